#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::sources {

// Page 16 (template 147). Picks the converted local pictures.
class CPropertyPageImportLocalList : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageImportLocalList(app::CMainWizard& wizard);
};

}  // namespace quillmere::sources
