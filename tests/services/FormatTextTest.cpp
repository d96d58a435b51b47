#include "services/FormatText.h"

#include <gtest/gtest.h>

namespace quillmere::services {
namespace {

TEST(FormatText, FillsPlaceholdersInOrder) {
    EXPECT_EQ(formatText(u"OnSetNext: to %i ErrorCode: %i", {12, 0}),
              u"OnSetNext: to 12 ErrorCode: 0");
    EXPECT_EQ(formatText(u"m_MsnPath: %s, msnMapfileName: %s", {u"C:\\a", u"b%s"}),
              u"m_MsnPath: C:\\a, msnMapfileName: b%s");
    EXPECT_EQ(formatText(u"Could not open file (error %d)\n", {-5}),
              u"Could not open file (error -5)\n");
    EXPECT_EQ(formatText(u"hash value=%u", {4294967273LL}), u"hash value=4294967273");
}

TEST(FormatText, LeavesWhatItCannotFill) {
    EXPECT_EQ(formatText(u"%s and %s", {u"one"}), u"one and %s");
    EXPECT_EQ(formatText(u"100%% %x %", {}), u"100% %x %");
}

}  // namespace
}  // namespace quillmere::services
