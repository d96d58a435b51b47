#include "archive/ui/CPropertyPageExportFile.h"

#include "app/ui/CMainWizard.h"
#include "archive/ExportPathCheck.h"
#include "resources/StringIds.h"

#include <QLineEdit>
#include <QPushButton>

namespace quillmere::archive {

namespace {

constexpr int kPath = 1007;
constexpr int kBrowse = 1008;

}  // namespace

CPropertyPageExportFile::CPropertyPageExportFile(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 3, 109) {
    setObjectName(QStringLiteral("CPropertyPageExportFile"));
    connect(control<QPushButton>(kBrowse), &QPushButton::clicked, this,
            &CPropertyPageExportFile::OnBrowse);
    // Typing after choosing in the dialog is checked again only on the next visit.
}

bool CPropertyPageExportFile::OnSetActive() {
    wizard().SetWizardButtons(app::WizardButtons::BackNext);
    m_bPictureFromDialog = false;
    return true;
}

void CPropertyPageExportFile::OnBrowse() {
    const auto chosen = wizard().dialogs().SaveFileName(
        wizard().strings().get(resources::IDS_EMOTICON_FILTER), u"zip");
    if (chosen) {
        control<QLineEdit>(kPath)->setText(QString::fromStdU16String(*chosen));
        m_bPictureFromDialog = true;
    }
}

int CPropertyPageExportFile::OnWizardNext() {
    const std::u16string path =
        ExportPathCheck::check(control<QLineEdit>(kPath)->text().toStdU16String(),
                               m_bPictureFromDialog, wizard().dialogs(), wizard().strings());
    if (path.empty()) {
        return -1;
    }
    wizard().state().setExportFilePath(path);
    return 0;
}

int CPropertyPageExportFile::OnWizardBack() {
    wizard().state().clearSelectedIcons();
    return 0;
}

}  // namespace quillmere::archive
