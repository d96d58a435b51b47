#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::store {

// Page 2 (template 108). Picks the account's emoticons to export.
class CPropertyPageIconList : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageIconList(app::CMainWizard& wizard);
};

}  // namespace quillmere::store
