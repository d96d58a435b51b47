#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::sources {

// Page 11 (template 140): part of a Yahoo! export that no road reaches. It shows Back and Next,
// and Finish closes the wizard without doing anything.
class CPropertyPageYahooExportFinish : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageYahooExportFinish(app::CMainWizard& wizard);
};

}  // namespace quillmere::sources
