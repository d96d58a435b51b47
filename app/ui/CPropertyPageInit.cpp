#include "app/ui/CPropertyPageInit.h"

#include "app/ui/CMainWizard.h"

#include "app/ui/WaitCursor.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace quillmere::app {

namespace {

enum Control {
    kLoginName = 1000,
    kPassword = 1007,
    kExport = 1002,
    kImportFile = 1003,
    kImportYahoo = 1005,
    kSkipPreview = 1022,
};

}  // namespace

CPropertyPageInit::CPropertyPageInit(CMainWizard& wizard)
    : CPropertyPage(wizard, 1, 106),
      m_selection(std::make_unique<TaskSelection>(wizard.state(), wizard.profile(),
                                                  wizard.dialogs(), wizard.strings(),
                                                  wizard.accountLogin())) {
    setObjectName(QStringLiteral("CPropertyPageInit"));
    control<QRadioButton>(kExport)->setChecked(true);
    control<QCheckBox>(kSkipPreview)->setChecked(wizard.state().isSkipPreview());
}

bool CPropertyPageInit::OnSetActive() {
    wizard().SetWizardButtons(WizardButtons::BackNext);
    m_selection->OnSetActive();
    control<QCheckBox>(kSkipPreview)->setChecked(wizard().state().isSkipPreview());
    return true;
}

Task CPropertyPageInit::selectedTask() const {
    if (control<QRadioButton>(kExport)->isChecked()) {
        return Task::Export;
    }
    if (control<QRadioButton>(kImportFile)->isChecked()) {
        return Task::ImportFromFile;
    }
    if (control<QRadioButton>(kImportYahoo)->isChecked()) {
        return Task::ImportYahoo;
    }
    return Task::ImportLocal;
}

int CPropertyPageInit::OnWizardNext() {
    TaskSelection::Route route;
    {
        WaitCursor wait;
        route =
            m_selection->OnWizardNext(selectedTask(), control<QCheckBox>(kSkipPreview)->isChecked(),
                                      control<QLineEdit>(kLoginName)->text().toStdU16String(),
                                      control<QLineEdit>(kPassword)->text().toStdU16String());
    }
    if (route.stay) {
        return -1;
    }
    if (route.jumpTo) {
        wizard().OnSetNext(*route.jumpTo, 0);
        return -1;
    }
    return 0;
}

}  // namespace quillmere::app
