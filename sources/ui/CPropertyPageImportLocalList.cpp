#include "sources/ui/CPropertyPageImportLocalList.h"

namespace quillmere::sources {

CPropertyPageImportLocalList::CPropertyPageImportLocalList(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 16, 147) {
    setObjectName(QStringLiteral("CPropertyPageImportLocalList"));
}

}  // namespace quillmere::sources
