#include "controls/ShortcutRule.h"

#include <gtest/gtest.h>

namespace quillmere::controls {
namespace {

TEST(ShortcutRule, TakesOneToSevenCharactersNotUsedByAnotherRow) {
    const std::vector<std::u16string> others{u":)", u"A"};
    EXPECT_FALSE(ShortcutRule::refusal(u":D", others));
    EXPECT_FALSE(ShortcutRule::refusal(u"a", others)) << "letter case tells shortcuts apart";
    EXPECT_FALSE(ShortcutRule::refusal(u"1234567", others));
    EXPECT_EQ(ShortcutRule::refusal(u"12345678", others), ShortcutRule::kLengthMessage);
    EXPECT_EQ(ShortcutRule::refusal(u"", others), ShortcutRule::kLengthMessage);
    EXPECT_EQ(ShortcutRule::refusal(u":)", others), ShortcutRule::kUniqueMessage);
}

}  // namespace
}  // namespace quillmere::controls
