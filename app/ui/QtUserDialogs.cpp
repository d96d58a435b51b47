#include "app/ui/QtUserDialogs.h"

#include "resources/ui/UiResources.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace quillmere::app {

namespace {

QMessageBox::Icon qtIcon(UserDialogs::Icon icon) {
    switch (icon) {
        case UserDialogs::Icon::Information:
            return QMessageBox::Information;
        case UserDialogs::Icon::Warning:
            return QMessageBox::Warning;
        case UserDialogs::Icon::Question:
            return QMessageBox::Question;
        case UserDialogs::Icon::Error:
            return QMessageBox::Critical;
        case UserDialogs::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// A message shown while the wait cursor is up must not look busy.
class NormalCursor {
  public:
    NormalCursor() : m_restore(QApplication::overrideCursor() != nullptr) {
        if (m_restore) {
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        }
    }
    ~NormalCursor() {
        if (m_restore) {
            QApplication::restoreOverrideCursor();
        }
    }

  private:
    bool m_restore;
};

}  // namespace

void QtUserDialogs::MessageBox(std::u16string_view text, std::u16string_view caption, Icon icon) {
    NormalCursor cursor;
    QMessageBox box(qtIcon(icon), resources::qtext(caption), resources::qtext(text),
                    QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtUserDialogs::AskYesNo(std::u16string_view text, std::u16string_view caption, Icon icon) {
    NormalCursor cursor;
    QMessageBox box(qtIcon(icon), resources::qtext(caption), resources::qtext(text),
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace quillmere::app

namespace quillmere::app {

QString QtUserDialogs::qtFilter(std::u16string_view filter) {
    const QStringList parts = resources::qtext(filter).split(QLatin1Char('|'));
    QStringList names;
    // Pairs of display name and pattern; the display names already carry their patterns.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts[i].isEmpty()) {
            names << parts[i];
        }
    }
    return names.join(QStringLiteral(";;"));
}

std::optional<std::u16string> QtUserDialogs::SaveFileName(std::u16string_view filter,
                                                          std::u16string_view defaultExtension) {
    NormalCursor cursor;
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(qtFilter(filter));
    dialog.setDefaultSuffix(resources::qtext(defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdU16String();
}

}  // namespace quillmere::app
