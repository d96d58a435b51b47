#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::sources {

// Page 13 (template 144). Picks Yahoo! smileys.
class CPropertyPageYahooImportList : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageYahooImportList(app::CMainWizard& wizard);
};

}  // namespace quillmere::sources
