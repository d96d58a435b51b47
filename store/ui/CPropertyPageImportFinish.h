#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::store {

// Page 7 (template 115). Merges the picked emoticons into the account.
class CPropertyPageImportFinish : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageImportFinish(app::CMainWizard& wizard);
};

}  // namespace quillmere::store
