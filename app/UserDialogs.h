#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillmere::app {

// Message boxes and questions, so that core operations can talk to the user without widgets.
// The wizard shows them as dialogs; tests record them and answer from a script.
class UserDialogs {
  public:
    // The caption of messages that have none of their own.
    static constexpr std::u16string_view kCaption = u"Quillmere";

    enum class Icon { None, Information, Warning, Question, Error };

    virtual ~UserDialogs() = default;

    // A message box with an OK button.
    virtual void MessageBox(std::u16string_view text, std::u16string_view caption, Icon icon) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(std::u16string_view text, std::u16string_view caption, Icon icon) = 0;
    // A Save dialog that asks before overwriting; `filter` in the form
    // "Name (*.ext)|*.ext|All Files (*.*)|*.*||". Nothing when the user cancels.
    virtual std::optional<std::u16string> SaveFileName(std::u16string_view filter,
                                                       std::u16string_view defaultExtension) = 0;
};

}  // namespace quillmere::app
