#pragma once

#include "app/UserDialogs.h"

class QWidget;

namespace quillmere::app {

// Message boxes and questions as Qt dialogs over the wizard.
class QtUserDialogs : public UserDialogs {
  public:
    explicit QtUserDialogs(QWidget* parent) : m_parent(parent) {}

    void MessageBox(std::u16string_view text, std::u16string_view caption, Icon icon) override;
    bool AskYesNo(std::u16string_view text, std::u16string_view caption, Icon icon) override;

  private:
    QWidget* m_parent;
};

}  // namespace quillmere::app
