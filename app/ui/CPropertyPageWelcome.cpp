#include "app/ui/CPropertyPageWelcome.h"

namespace quillmere::app {

CPropertyPageWelcome::CPropertyPageWelcome(CMainWizard& wizard) : CPropertyPage(wizard, 0, 107) {
    setObjectName(QStringLiteral("CPropertyPageWelcome"));
}

}  // namespace quillmere::app
