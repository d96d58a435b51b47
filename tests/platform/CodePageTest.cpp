#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace quillmere::platform {
namespace {

struct ToAnsiCase {
    int codePage;
    std::u16string text;
    std::string bytes;
};

class CodePageToAnsi : public testing::TestWithParam<ToAnsiCase> {};

TEST_P(CodePageToAnsi, ConvertsAndReplacesWhatTheCodePageCannotHold) {
    const auto& c = GetParam();
    EXPECT_EQ(CodePage(c.codePage).toAnsi(c.text), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodePageToAnsi,
    testing::Values(ToAnsiCase{1252, u"kim", "kim"}, ToAnsiCase{1252, u"\u00e9\u20ac", "\xE9\x80"},
                    ToAnsiCase{1252, u"a\u65e5\u672cb", "a??b"},
                    // One '?' for a character outside the BMP, not one per surrogate.
                    ToAnsiCase{1252, u"x\U0001F600y", "x?y"}, ToAnsiCase{1252, u"x\xD800y", "x?y"},
                    ToAnsiCase{932, u"\u65e5\u672c", "\x93\xFA\x96\x7B"},
                    ToAnsiCase{936, u"\u4e2d", "\xD6\xD0"}, ToAnsiCase{950, u"\u4e2d", "\xA4\xA4"},
                    ToAnsiCase{932, u"\u00e9", "?"}));

TEST(CodePage, FromAnsiKeepsTheBytesThatWindows1252LeavesUndefined) {
    EXPECT_EQ(CodePage(1252).fromAnsi("\x81\xE9\x80\x9D"), u"\u0081\u00e9\u20ac\u009d");
}

TEST(CodePage, FromAnsiReplacesAnIncompleteDoubleByteCharacter) {
    EXPECT_EQ(CodePage(932).fromAnsi("\x93\xFA\x93"), u"\u65e5?");
}

TEST(CodePage, RoundTripsTheWholeOfWindows1252) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const CodePage cp(1252);
    EXPECT_EQ(cp.toAnsi(cp.fromAnsi(all)), all);
}

}  // namespace
}  // namespace quillmere::platform
