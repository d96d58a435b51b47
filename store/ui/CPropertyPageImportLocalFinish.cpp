#include "store/ui/CPropertyPageImportLocalFinish.h"

namespace quillmere::store {

CPropertyPageImportLocalFinish::CPropertyPageImportLocalFinish(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 17, 146) {
    setObjectName(QStringLiteral("CPropertyPageImportLocalFinish"));
}

}  // namespace quillmere::store
