#include "store/ui/CPropertyPageImportFinish.h"

namespace quillmere::store {

CPropertyPageImportFinish::CPropertyPageImportFinish(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 7, 115) {
    setObjectName(QStringLiteral("CPropertyPageImportFinish"));
}

}  // namespace quillmere::store
