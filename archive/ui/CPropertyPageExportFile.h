#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::archive {

// Page 3 (template 109): names the emoticon file to write.
class CPropertyPageExportFile : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageExportFile(app::CMainWizard& wizard);

    bool OnSetActive() override;
    int OnWizardNext() override;
    int OnWizardBack() override;

  private:
    void OnBrowse();

    bool m_bPictureFromDialog = false;
};

}  // namespace quillmere::archive
