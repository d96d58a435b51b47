#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::app {

// Page 1 (template 106). The task page: login name, password, the task and "Skip icon preview".
class CPropertyPageInit : public CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageInit(CMainWizard& wizard);
};

}  // namespace quillmere::app
