#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::sources {

// Page 15 (template 148). Chooses local picture files.
class CPropertyPageImportLocalFile : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageImportLocalFile(app::CMainWizard& wizard);
};

}  // namespace quillmere::sources
