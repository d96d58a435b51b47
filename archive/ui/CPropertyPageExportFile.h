#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::archive {

// Page 3 (template 109). Names the emoticon file to write.
class CPropertyPageExportFile : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageExportFile(app::CMainWizard& wizard);
};

}  // namespace quillmere::archive
