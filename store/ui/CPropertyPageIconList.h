#pragma once

#include "app/ui/CPropertyPage.h"
#include "store/IconListPage.h"

#include <memory>

namespace quillmere::controls {
class CCxListCtrl;
}

namespace quillmere::store {

// Page 2 (template 108): the account's emoticons, to tick and edit before the export.
class CPropertyPageIconList : public app::CPropertyPage {
    Q_OBJECT

  public:
    explicit CPropertyPageIconList(app::CMainWizard& wizard);
    ~CPropertyPageIconList() override;

    bool OnSetActive() override;
    int OnWizardNext() override;
    int OnWizardBack() override;

    controls::CCxListCtrl* list() const;

  private:
    void fillRows();
    void keepEditsIfModified();

    std::unique_ptr<IconListPage> m_page;
    bool m_initialised = false;
};

}  // namespace quillmere::store
