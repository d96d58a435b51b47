#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::sources {

// Page 10 (template 141): part of a Yahoo! export that no road reaches. It shows Back and Next,
// and Finish closes the wizard without doing anything.
class CPropertyPageYahooExportFile : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageYahooExportFile(app::CMainWizard& wizard);
};

}  // namespace quillmere::sources
