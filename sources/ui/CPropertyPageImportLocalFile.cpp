#include "sources/ui/CPropertyPageImportLocalFile.h"

namespace quillmere::sources {

CPropertyPageImportLocalFile::CPropertyPageImportLocalFile(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 15, 148) {
    setObjectName(QStringLiteral("CPropertyPageImportLocalFile"));
}

}  // namespace quillmere::sources
