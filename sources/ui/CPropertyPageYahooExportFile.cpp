#include "sources/ui/CPropertyPageYahooExportFile.h"

namespace quillmere::sources {

CPropertyPageYahooExportFile::CPropertyPageYahooExportFile(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 10, 141) {
    setObjectName(QStringLiteral("CPropertyPageYahooExportFile"));
}

}  // namespace quillmere::sources
