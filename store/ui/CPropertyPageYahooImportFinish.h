#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::store {

// Page 14 (template 143). Merges the picked Yahoo! smileys into the account.
class CPropertyPageYahooImportFinish : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageYahooImportFinish(app::CMainWizard& wizard);
};

}  // namespace quillmere::store
