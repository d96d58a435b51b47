#include "store/ui/CPropertyPageIconList.h"

#include "app/ui/CMainWizard.h"
#include "controls/ui/CCxListCtrl.h"
#include "image/ui/EmoticonPicture.h"

#include "app/ui/WaitCursor.h"

#include <QApplication>

namespace quillmere::store {

namespace {

constexpr int kList = 1009;
constexpr int kExportFilePage = 3;

}  // namespace

CPropertyPageIconList::CPropertyPageIconList(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 2, 108) {
    setObjectName(QStringLiteral("CPropertyPageIconList"));
    const auto* logger = wizard.getLogger();
    const std::filesystem::path temp = wizard.profile().tempPath();
    m_page = std::make_unique<IconListPage>(
        wizard.state(), wizard.profile(), wizard.dialogs(), wizard.strings(),
        [logger, temp] { return std::make_unique<image::EmoticonPicture>(logger, temp); });
    list()->setPictureDrawer([this](QPainter* painter, const QRect& cell, int row) {
        const auto& pictures = m_page->list().iconMap;
        const auto it = pictures.find(row);
        if (it != pictures.end()) {
            if (const auto* picture =
                    dynamic_cast<const image::EmoticonPicture*>(it->second.get())) {
                picture->Draw(painter, cell);
            }
        }
    });
}

CPropertyPageIconList::~CPropertyPageIconList() = default;

controls::CCxListCtrl* CPropertyPageIconList::list() const {
    return control<controls::CCxListCtrl>(kList);
}

void CPropertyPageIconList::fillRows() {
    controls::CCxListCtrl* rows = list();
    rows->clear();
    const auto& records = m_page->list().m_IconListVector;
    const int n = static_cast<int>(std::min(records.size(), m_page->list().iconMap.size()));
    for (int k = 0; k < n; ++k) {
        rows->addRow(QString::fromStdU16String(records[static_cast<size_t>(k)].wsShortcutKey()),
                     QString::fromStdU16String(records[static_cast<size_t>(k)].wsName()));
    }
    rows->SetHeaderCheck(controls::CCxListCtrl::kCheckColumn, n > 0 ? 1 : 0);
}

bool CPropertyPageIconList::OnSetActive() {
    wizard().SetWizardButtons(app::WizardButtons::BackNext);
    app::WaitCursor wait;
    if (!m_initialised) {
        m_initialised = true;
        m_page->OnInitDialog();
    }
    if (!m_page->OnSetActive()) {
        wizard().OnSetNext(kExportFilePage, 0);
        return false;
    }
    fillRows();
    return true;
}

void CPropertyPageIconList::keepEditsIfModified() {
    controls::CCxListCtrl* rows = list();
    if (!rows->IsModified()) {
        return;
    }
    std::vector<std::pair<std::u16string, std::u16string>> cells;
    for (int r = 0; r < rows->topLevelItemCount(); ++r) {
        cells.emplace_back(
            rows->cellText(r, controls::CCxListCtrl::kShortcutColumn).toStdU16String(),
            rows->cellText(r, controls::CCxListCtrl::kNameColumn).toStdU16String());
    }
    m_page->keepEdits(cells);
    rows->ClearModified();
}

int CPropertyPageIconList::OnWizardNext() {
    keepEditsIfModified();
    std::vector<bool> ticked;
    for (int r = 0; r < list()->topLevelItemCount(); ++r) {
        ticked.push_back(list()->isChecked(r));
    }
    m_page->OnWizardNext(ticked);
    return 0;
}

int CPropertyPageIconList::OnWizardBack() {
    keepEditsIfModified();
    return 0;
}

}  // namespace quillmere::store
