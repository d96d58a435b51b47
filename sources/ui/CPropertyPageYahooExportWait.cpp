#include "sources/ui/CPropertyPageYahooExportWait.h"

namespace quillmere::sources {

CPropertyPageYahooExportWait::CPropertyPageYahooExportWait(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 8, 138) {
    setObjectName(QStringLiteral("CPropertyPageYahooExportWait"));
}

}  // namespace quillmere::sources
