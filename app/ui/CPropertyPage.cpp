#include "app/ui/CPropertyPage.h"

#include "app/ui/CMainWizard.h"
#include "controls/ui/CCxListCtrl.h"
#include "resources/DialogTemplates.h"
#include "resources/StringIds.h"
#include "resources/ui/UiResources.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillmere::app {

using resources::qtext;

CPropertyPage::CPropertyPage(CMainWizard& wizard, int index, int templateId)
    : m_wizard(wizard), m_index(index), m_templateId(templateId) {
    if (const auto* dialog = resources::DialogTemplates::find(templateId)) {
        setWindowTitle(qtext(dialog->caption));
        buildControls(*dialog);
    }
}

QString CPropertyPage::objectNameFor(int controlId) {
    return QStringLiteral("ctl%1").arg(controlId);
}

QWidget* CPropertyPage::control(int id) const {
    return findChild<QWidget*>(objectNameFor(id));
}

bool CPropertyPage::OnSetActive() {
    m_wizard.SetWizardButtons(WizardDriver::defaultButtons(m_index));
    return true;
}

void CPropertyPage::buildControls(const resources::DialogTemplate& dialog) {
    using resources::ControlKind;
    auto* layout = new QVBoxLayout(this);
    QButtonGroup* radios = nullptr;
    QLabel* pendingLabel = nullptr;
    for (const auto& c : dialog.controls) {
        const QString text = qtext(c.text);
        QWidget* widget = nullptr;
        switch (c.kind) {
            case ControlKind::Heading:
            case ControlKind::Static: {
                auto* label = new QLabel(text, this);
                label->setWordWrap(true);
                if (c.kind == ControlKind::Heading) {
                    QFont bold = label->font();
                    bold.setBold(true);
                    label->setFont(bold);
                }
                pendingLabel = label;
                widget = label;
                break;
            }
            case ControlKind::Edit:
            case ControlKind::Password:
            case ControlKind::ReadOnlyEdit: {
                auto* edit = new QLineEdit(text, this);
                edit->setEchoMode(c.kind == ControlKind::Password ? QLineEdit::Password
                                                                  : QLineEdit::Normal);
                edit->setReadOnly(c.kind == ControlKind::ReadOnlyEdit);
                if (pendingLabel != nullptr) {
                    pendingLabel->setBuddy(edit);
                    edit->setAccessibleName(pendingLabel->text());
                    pendingLabel = nullptr;
                }
                widget = edit;
                break;
            }
            case ControlKind::Button:
                widget = new QPushButton(text, this);
                break;
            case ControlKind::FirstRadio:
            case ControlKind::Radio: {
                auto* radio = new QRadioButton(text, this);
                if (c.kind == ControlKind::FirstRadio || radios == nullptr) {
                    radios = new QButtonGroup(this);
                }
                radios->addButton(radio, c.id);
                widget = radio;
                break;
            }
            case ControlKind::Check:
                widget = new QCheckBox(text, this);
                break;
            case ControlKind::List: {
                auto* list = new controls::CCxListCtrl(m_wizard.dialogs(), this);
                const auto& strings = m_wizard.strings();
                list->InitColumns(qtext(strings.get(resources::IDS_COLUMN_ICON)),
                                  qtext(strings.get(resources::IDS_COLUMN_SHORTCUT)),
                                  qtext(strings.get(resources::IDS_COLUMN_NAME)));
                list->setAccessibleName(qtext(strings.get(resources::IDS_COLUMN_NAME)));
                widget = list;
                break;
            }
            case ControlKind::PlainList: {
                auto* list = new QTreeWidget(this);
                const auto& strings = m_wizard.strings();
                list->setHeaderLabels({qtext(strings.get(resources::IDS_COLUMN_ICON)),
                                       qtext(strings.get(resources::IDS_COLUMN_SHORTCUT)),
                                       qtext(strings.get(resources::IDS_COLUMN_NAME))});
                list->setRootIsDecorated(false);
                list->setAccessibleName(qtext(strings.get(resources::IDS_COLUMN_NAME)));
                widget = list;
                break;
            }
            case ControlKind::Progress:
                widget = new QProgressBar(this);
                break;
        }
        if (c.id != resources::IDC_STATIC) {
            widget->setObjectName(objectNameFor(c.id));
        }
        if (widget->accessibleName().isEmpty() && !text.isEmpty()) {
            widget->setAccessibleName(text);
        }
        layout->addWidget(widget);
    }
    layout->addStretch(1);
}

}  // namespace quillmere::app
