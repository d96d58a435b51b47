#include "archive/ui/CPropertyPageExportFile.h"

namespace quillmere::archive {

CPropertyPageExportFile::CPropertyPageExportFile(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 3, 109) {
    setObjectName(QStringLiteral("CPropertyPageExportFile"));
}

}  // namespace quillmere::archive
