#include "store/ui/CPropertyPageIconList.h"

namespace quillmere::store {

CPropertyPageIconList::CPropertyPageIconList(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 2, 108) {
    setObjectName(QStringLiteral("CPropertyPageIconList"));
}

}  // namespace quillmere::store
