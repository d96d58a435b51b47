#pragma once

#include "app/UserDialogs.h"

#include <QString>

class QWidget;

namespace quillmere::app {

// Message boxes and questions as Qt dialogs over the wizard.
class QtUserDialogs : public UserDialogs {
  public:
    explicit QtUserDialogs(QWidget* parent) : m_parent(parent) {}

    void MessageBox(std::u16string_view text, std::u16string_view caption, Icon icon) override;
    bool AskYesNo(std::u16string_view text, std::u16string_view caption, Icon icon) override;
    std::optional<std::u16string> SaveFileName(std::u16string_view filter,
                                               std::u16string_view defaultExtension) override;

    // "Name (*.ext)|*.ext|All Files (*.*)|*.*||" as Qt writes it: "Name (*.ext);;All Files (*.*)".
    static QString qtFilter(std::u16string_view filter);

  private:
    QWidget* m_parent;
};

}  // namespace quillmere::app
