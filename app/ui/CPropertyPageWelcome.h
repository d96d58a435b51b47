#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::app {

// Page 0 (template 107). The welcome page: three lines of welcome text and Next.
class CPropertyPageWelcome : public CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageWelcome(CMainWizard& wizard);
};

}  // namespace quillmere::app
