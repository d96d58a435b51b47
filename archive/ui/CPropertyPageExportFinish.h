#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::archive {

// Page 4 (template 110): Finish writes the emoticon file; the wizard closes whatever happened.
class CPropertyPageExportFinish : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageExportFinish(app::CMainWizard& wizard);

    bool OnSetActive() override;
    bool OnWizardFinish() override;
};

}  // namespace quillmere::archive
