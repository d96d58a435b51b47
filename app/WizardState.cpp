#include "app/WizardState.h"

#include "app/TempFileCleaner.h"

namespace quillmere::app {

WizardState::WizardState() : m_pLogger(std::make_unique<services::CQuiLoggerBase>("MainWizard")) {}

WizardState::~WizardState() {
    DeleteTempFiles();
}

void WizardState::log(std::u16string_view message) const {
    m_pLogger->debug(message);
}

void WizardState::AddTempFile(const std::u16string& path) {
    log(u"AddTempFile: " + path);
    m_TempFiles.push_back(path);
}

void WizardState::AddLocalIconFile(const std::u16string& path) {
    log(u"AddLocalIconFile: " + path);
    m_LocalIconFiles.push_back(path);
}

void WizardState::DeleteTempFiles() {
    for (const std::u16string& entry : m_TempFiles) {
        try {
            TempFileCleaner::deleteEntry(entry);
        } catch (...) {
            // One entry that cannot be deleted must not keep the others.
        }
    }
    m_TempFiles.clear();
}

}  // namespace quillmere::app
