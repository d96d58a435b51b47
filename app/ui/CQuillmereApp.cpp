#include "app/ui/CQuillmereApp.h"

#include "app/LanguageSetup.h"
#include "app/ui/CMainWizard.h"
#include "platform/Environment.h"
#include "platform/UiLanguage.h"
#include "resources/StringIds.h"
#include "resources/ui/UiResources.h"

namespace quillmere::app {

CQuillmereApp::CQuillmereApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quillmere"));
}

int CQuillmereApp::InitInstance() {
    const int lang = platform::GetUserDefaultLangID(platform::Environment::fromProcess());
    LanguageSetup::apply(lang, applicationDirPath().toStdString(), m_strings);
    try {
        CMainWizard wizard(resources::qtext(m_strings.get(resources::IDS_WIZARD_CAPTION)),
                           m_strings);
        wizard.exec();
    } catch (...) {
        // Whatever escapes the wizard ends the process quietly.
    }
    return 0;
}

}  // namespace quillmere::app
