#include "archive/ui/CPropertyPageImportFile.h"

namespace quillmere::archive {

CPropertyPageImportFile::CPropertyPageImportFile(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 5, 113) {
    setObjectName(QStringLiteral("CPropertyPageImportFile"));
}

}  // namespace quillmere::archive
