#include "app/ui/CQuillmereApp.h"

#include "platform/Environment.h"
#include "platform/UiLanguage.h"
#include "resources/StringIds.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace quillmere::app {

CQuillmereApp::CQuillmereApp(int& argc, char** argv) : QApplication(argc, argv) {}

int CQuillmereApp::InitInstance() {
    const int lang = platform::GetUserDefaultLangID(platform::Environment::fromProcess());
    if (const auto module = resources::StringTable::moduleNameFor(lang)) {
        m_strings.loadModule(std::filesystem::path(applicationDirPath().toStdString()) / *module);
    }
    try {
        QDialog sheet;
        sheet.setObjectName("CMainWizard");
        sheet.setWindowTitle(
            QString::fromStdU16String(m_strings.get(resources::IDS_WIZARD_CAPTION)));
        auto* layout = new QVBoxLayout(&sheet);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &sheet);
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::rejected, &sheet, &QDialog::reject);
        sheet.resize(520, 380);
        sheet.exec();
    } catch (...) {
        // Whatever escapes the wizard ends the process quietly.
    }
    return 0;
}

}  // namespace quillmere::app
