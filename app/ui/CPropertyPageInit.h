#pragma once

#include "app/TaskSelection.h"
#include "app/ui/CPropertyPage.h"

#include <memory>

namespace quillmere::app {

// Page 1 (template 106): login name, password, the task and "Skip icon preview". Next checks the
// login against the store the account uses and sends the wizard down the task's road.
class CPropertyPageInit : public CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageInit(CMainWizard& wizard);

    bool OnSetActive() override;
    int OnWizardNext() override;

    const TaskSelection& selection() const { return *m_selection; }

  private:
    Task selectedTask() const;

    std::unique_ptr<TaskSelection> m_selection;
};

}  // namespace quillmere::app
