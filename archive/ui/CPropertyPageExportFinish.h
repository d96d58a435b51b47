#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::archive {

// Page 4 (template 110). Writes the emoticon file.
class CPropertyPageExportFinish : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageExportFinish(app::CMainWizard& wizard);
};

}  // namespace quillmere::archive
