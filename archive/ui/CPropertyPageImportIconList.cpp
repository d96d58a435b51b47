#include "archive/ui/CPropertyPageImportIconList.h"

namespace quillmere::archive {

CPropertyPageImportIconList::CPropertyPageImportIconList(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 6, 114) {
    setObjectName(QStringLiteral("CPropertyPageImportIconList"));
}

}  // namespace quillmere::archive
