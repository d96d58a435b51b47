#include "sources/ui/CPropertyPageYahooExportList.h"

namespace quillmere::sources {

CPropertyPageYahooExportList::CPropertyPageYahooExportList(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 9, 139) {
    setObjectName(QStringLiteral("CPropertyPageYahooExportList"));
}

}  // namespace quillmere::sources
