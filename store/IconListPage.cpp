#include "store/IconListPage.h"

#include "app/WizardState.h"
#include "services/CQuiLoggerBase.h"
#include "services/FormatText.h"

namespace quillmere::store {

IconListPage::IconListPage(app::WizardState& state, const platform::PlatformProfile& profile,
                           app::UserDialogs& dialogs, const resources::StringTable& strings,
                           PictureFactory pictures)
    : m_state(state), m_loader(state, profile, dialogs, strings, std::move(pictures)) {}

void IconListPage::select(size_t row) {
    const std::u16string line = m_loader.list().m_IconListVector[row].mapTextLine();
    if (const auto* log = m_state.getLogger()) {
        log->debug(services::formatText(u"Selected icon numbers: %i, iconObj: %s<BR>",
                                        {static_cast<long long>(row), line}));
    }
    m_state.addSelectedIcon(line);
}

void IconListPage::handOverEverything() {
    m_state.clearSelectedIcons();
    for (size_t k = 0; k < m_loader.list().m_IconListVector.size(); ++k) {
        select(k);
    }
}

bool IconListPage::OnInitDialog() {
    m_loader.list().clear();
    m_loader.LoadEmotionIcons();
    if (const auto* log = m_state.getLogger()) {
        log->debug(services::formatText(u"iconMap.size() = %i",
                                        {static_cast<long long>(m_loader.list().iconMap.size())}));
    }
    if (m_state.isSkipPreview()) {
        handOverEverything();
        return false;
    }
    return true;
}

bool IconListPage::OnSetActive() {
    if (const auto* log = m_state.getLogger()) {
        log->debug(u"CPropertyPageIconList::OnSetActive()");
    }
    if (m_state.isSkipPreview()) {
        handOverEverything();
        return false;
    }
    if (!m_bKeepEdits) {
        m_loader.list().clear();
        m_loader.LoadEmotionIcons();
    }
    return true;
}

void IconListPage::keepEdits(const std::vector<std::pair<std::u16string, std::u16string>>& cells) {
    m_bKeepEdits = true;
    auto& records = m_loader.list().m_IconListVector;
    for (size_t i = 0; i < cells.size() && i < records.size(); ++i) {
        records[i][0] = cells[i].first;
        records[i][1] = cells[i].second;
    }
}

void IconListPage::OnWizardNext(const std::vector<bool>& ticked) {
    const auto* log = m_state.getLogger();
    if (log != nullptr) {
        log->debug(u"Start CPropertyPageIconList::OnWizardNext()");
    }
    m_state.clearSelectedIcons();
    if (log != nullptr) {
        log->debug(services::formatText(u"Total icon numbers: %i",
                                        {static_cast<long long>(ticked.size())}));
    }
    for (size_t j = 0; j < ticked.size() && j < m_loader.list().m_IconListVector.size(); ++j) {
        if (ticked[j]) {
            select(j);
        }
    }
    if (log != nullptr) {
        log->debug(u"Leaving CPropertyPageIconList::OnWizardNext()");
    }
}

}  // namespace quillmere::store
