#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere::controls {

// What an edited shortcut must be: one to seven characters, different (case-sensitively) from
// every other row's shortcut.
class ShortcutRule {
  public:
    static constexpr std::u16string_view kLengthMessage =
        u"The legth of shortcut name is bwteen 1 - 7";
    static constexpr std::u16string_view kUniqueMessage =
        u"Shortcut name exists. Shortcut name must be unique!";

    // The message that refuses the text, or nothing when it may stand.
    static std::optional<std::u16string_view> refusal(
        std::u16string_view text, const std::vector<std::u16string>& otherShortcuts);
};

}  // namespace quillmere::controls
