#include "controls/ShortcutRule.h"

#include <algorithm>

namespace quillmere::controls {

std::optional<std::u16string_view> ShortcutRule::refusal(
    std::u16string_view text, const std::vector<std::u16string>& otherShortcuts) {
    if (text.empty() || text.size() > 7) {
        return kLengthMessage;
    }
    if (std::find(otherShortcuts.begin(), otherShortcuts.end(), text) != otherShortcuts.end()) {
        return kUniqueMessage;
    }
    return std::nullopt;
}

}  // namespace quillmere::controls
