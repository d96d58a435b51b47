#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::sources {

// Page 9 (template 139): part of a Yahoo! export that no road reaches. It shows Back and Next,
// and Finish closes the wizard without doing anything.
class CPropertyPageYahooExportList : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageYahooExportList(app::CMainWizard& wizard);
};

}  // namespace quillmere::sources
