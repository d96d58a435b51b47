#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::sources {

// Page 8 (template 138): part of a Yahoo! export that no road reaches. It shows Back and Next,
// and Finish closes the wizard without doing anything.
class CPropertyPageYahooExportWait : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageYahooExportWait(app::CMainWizard& wizard);
};

}  // namespace quillmere::sources
