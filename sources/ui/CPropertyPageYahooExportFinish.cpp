#include "sources/ui/CPropertyPageYahooExportFinish.h"

namespace quillmere::sources {

CPropertyPageYahooExportFinish::CPropertyPageYahooExportFinish(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 11, 140) {
    setObjectName(QStringLiteral("CPropertyPageYahooExportFinish"));
}

}  // namespace quillmere::sources
