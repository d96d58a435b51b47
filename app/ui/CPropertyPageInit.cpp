#include "app/ui/CPropertyPageInit.h"

namespace quillmere::app {

CPropertyPageInit::CPropertyPageInit(CMainWizard& wizard) : CPropertyPage(wizard, 1, 106) {
    setObjectName(QStringLiteral("CPropertyPageInit"));
}

}  // namespace quillmere::app
