#include "archive/ui/CPropertyPageExportFinish.h"

#include "app/ui/CMainWizard.h"
#include "archive/ArchiveExporter.h"

#include <QApplication>
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
    QApplication::setOverrideCursor(Qt::WaitCursor);
    wizard().setEnabled(false);
    ArchiveExporter exporter(wizard().state(), wizard().profile(), wizard().dialogs(),
                             wizard().strings());
    exporter.Export();
    QApplication::restoreOverrideCursor();
    return true;
}

}  // namespace quillmere::archive
