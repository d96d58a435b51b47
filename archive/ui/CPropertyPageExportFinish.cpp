#include "archive/ui/CPropertyPageExportFinish.h"

#include "app/ui/CMainWizard.h"
#include "archive/ArchiveExporter.h"

#include "app/ui/WaitCursor.h"

#include <QLabel>

namespace quillmere::archive {

CPropertyPageExportFinish::CPropertyPageExportFinish(app::CMainWizard& wizard)
    : app::CPropertyPage(wizard, 4, 110) {
    setObjectName(QStringLiteral("CPropertyPageExportFinish"));
}

bool CPropertyPageExportFinish::OnSetActive() {
    control<QLabel>(1005)->setText(QString::fromStdU16String(wizard().state().getExportFilePath()));
    wizard().SetWizardButtons(app::WizardButtons::BackFinish);
    return true;
}

bool CPropertyPageExportFinish::OnWizardFinish() {
    app::WaitCursor wait;
    wizard().setEnabled(false);
    ArchiveExporter exporter(wizard().state(), wizard().profile(), wizard().dialogs(),
                             wizard().strings());
    exporter.Export();
    return true;
}

}  // namespace quillmere::archive
