#pragma once

#include "app/ui/CPropertyPage.h"

namespace quillmere::archive {

// Page 6 (template 114). Picks emoticons from the emoticon file.
class CPropertyPageImportIconList : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageImportIconList(app::CMainWizard& wizard);
};

}  // namespace quillmere::archive
