#include "sources/ui/CPropertyPageYahooImportWait.h"

namespace quillmere::sources {

CPropertyPageYahooImportWait::CPropertyPageYahooImportWait(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 12, 145) {
    setObjectName(QStringLiteral("CPropertyPageYahooImportWait"));
}

}  // namespace quillmere::sources
