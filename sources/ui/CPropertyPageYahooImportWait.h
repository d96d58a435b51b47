#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::sources {

// Page 12 (template 145). Collects the Yahoo! smileys.
class CPropertyPageYahooImportWait : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageYahooImportWait(app::CMainWizard& wizard);
};

}  // namespace quillmere::sources
