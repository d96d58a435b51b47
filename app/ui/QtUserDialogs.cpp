#include "app/ui/QtUserDialogs.h"

#include "resources/ui/UiResources.h"

#include <QApplication>
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
