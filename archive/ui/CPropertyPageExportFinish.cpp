#include "archive/ui/CPropertyPageExportFinish.h"

namespace quillmere::archive {

CPropertyPageExportFinish::CPropertyPageExportFinish(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 4, 110) {
    setObjectName(QStringLiteral("CPropertyPageExportFinish"));
}

}  // namespace quillmere::archive
