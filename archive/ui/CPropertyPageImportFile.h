#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::archive {

// Page 5 (template 113). Names the emoticon file to read.
class CPropertyPageImportFile : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageImportFile(app::CMainWizard& wizard);
};

}  // namespace quillmere::archive
