#include "sources/ui/CPropertyPageYahooImportList.h"

namespace quillmere::sources {

CPropertyPageYahooImportList::CPropertyPageYahooImportList(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 13, 144) {
    setObjectName(QStringLiteral("CPropertyPageYahooImportList"));
}

}  // namespace quillmere::sources
