#include "store/Base64.h"

#include <gtest/gtest.h>

namespace quillmere::store {
namespace {

using namespace std::literals;

platform::Bytes bytesOf(std::string_view text) {
    return platform::Bytes(text.begin(), text.end());
}

TEST(Base64, EncodesWithPaddingAndWithoutLineBreaks) {
    EXPECT_EQ(Base64::encode({}), "");
    EXPECT_EQ(Base64::encode(bytesOf("\0\0"sv)), "AAA=");
    EXPECT_EQ(Base64::encode(bytesOf("f")), "Zg==");
    EXPECT_EQ(Base64::encode(bytesOf("fo")), "Zm8=");
    EXPECT_EQ(Base64::encode(bytesOf("foo")), "Zm9v");
    EXPECT_EQ(Base64::encode(bytesOf("\xfb\xff")), "+/8=");
    EXPECT_EQ(Base64::encode(platform::Bytes(100, 0)).find('\n'), std::string::npos);
}

struct DecodeCase {
    std::string_view text;
    std::string_view bytes;
};

class Base64Decode : public testing::TestWithParam<DecodeCase> {};

TEST_P(Base64Decode, StopsAtTheFirstCharacterOutsideTheAlphabet) {
    EXPECT_EQ(Base64::decode(GetParam().text), bytesOf(GetParam().bytes));
}

INSTANTIATE_TEST_SUITE_P(Cases, Base64Decode,
                         testing::Values(DecodeCase{"", ""}, DecodeCase{"AAA=", "\0\0"sv},
                                         DecodeCase{"AAA=\0"sv, "\0\0"sv},
                                         DecodeCase{"Zm9v", "foo"}, DecodeCase{"Zm9vYg", "foob"},
                                         DecodeCase{"Zm9vYmE", "fooba"},
                                         // A lone final character makes no byte.
                                         DecodeCase{"Zm9vY", "foo"},
                                         DecodeCase{"Zm9v\nYmFy", "foo"},
                                         DecodeCase{"Zg==Zm9v", "f"}, DecodeCase{"\xffZm9v", ""},
                                         DecodeCase{"+/8", "\xfb\xff"}));

}  // namespace
}  // namespace quillmere::store
