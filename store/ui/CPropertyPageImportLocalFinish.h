#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::store {

// Page 17 (template 146). Merges the picked local pictures into the account.
class CPropertyPageImportLocalFinish : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageImportLocalFinish(app::CMainWizard& wizard);
};

}  // namespace quillmere::store
