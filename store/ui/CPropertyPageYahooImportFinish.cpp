#include "store/ui/CPropertyPageYahooImportFinish.h"

namespace quillmere::store {

CPropertyPageYahooImportFinish::CPropertyPageYahooImportFinish(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 14, 143) {
    setObjectName(QStringLiteral("CPropertyPageYahooImportFinish"));
}

}  // namespace quillmere::store
