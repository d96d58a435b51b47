#include "store/ProtectedTextFile.h"

#include "support/Fixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace quillmere::store {
namespace {

using namespace std::literals;
using platform::asBytes;

class ProtectedTextFileTest : public testing::Test {
  protected:
    test::TempFolder folder;
    platform::DataProtection protection{{"bob"}};

    ProtectedReadResult read(const std::filesystem::path& file, std::string_view entropy = "kim",
                             ProtectedTextFile::SizeLimit limit = ProtectedTextFile::kTrfFile) {
        return ProtectedTextFile::read(file, asBytes(entropy), protection, limit);
    }
};

TEST_F(ProtectedTextFileTest, RoundTripsAMapText) {
    const auto file = folder / "TFR1A.dat";
    const std::u16string text = u":)\tsmile\t<msnobj Location=\"a.dat\"/>\t\u00e9\t\u65e5\t\t";
    ASSERT_EQ(ProtectedTextFile::write(file, text, asBytes("kim"), protection),
              ProtectedWriteResult::Written);
    const auto bytes = test::readBytes(file);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0x03);
    EXPECT_EQ(bytes[1], 0x04);
    const auto result = read(file);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.text, text);
}

TEST_F(ProtectedTextFileTest, StoresAnEmptyListAsAAAEquals) {
    EXPECT_EQ(ProtectedTextFile::wrap(u""), (platform::Bytes{'A', 'A', 'A', '=', 0}));
    const auto file = folder / "empty.dat";
    ProtectedTextFile::write(file, u"", asBytes("kim"), protection);
    const auto bytes = test::readBytes(file);
    const auto plain =
        protection.CryptUnprotectData(platform::ByteView(bytes).subspan(2), asBytes("kim"));
    EXPECT_EQ(plain, (platform::Bytes{'A', 'A', 'A', '=', 0}));
    const auto result = read(file);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.text, u"");
}

TEST_F(ProtectedTextFileTest, ReadsATrfFileProtectedByWine) {
    const auto wine = test::readBytes(test::dataFile("dataprotection/wine-root-entropy-kim.bin"));
    std::string content = "\x03\x04";
    content.append(wine.begin(), wine.end());
    const auto file = folder.write("TFR2C.dat", content);
    const auto result = ProtectedTextFile::read(
        file, asBytes("kim"), platform::DataProtection({"root"}), ProtectedTextFile::kTrfFile);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.text, u":)\tSmile\t<msnobj Location=\"ab.dat\"/>\t");
}

TEST_F(ProtectedTextFileTest, ReportsItsThreeFailures) {
    const auto good = folder / "good.dat";
    ProtectedTextFile::write(good, u"x", asBytes("kim"), protection);
    EXPECT_EQ(read(folder / "missing.dat").failure, ProtectedReadFailure::Missing);
    EXPECT_EQ(read(folder.write("empty.dat", "")).failure, ProtectedReadFailure::Empty);
    // Two header bytes leave an empty blob, which the platform refuses: not "empty".
    EXPECT_EQ(read(folder.write("header.dat", "\x03\x04")).failure, ProtectedReadFailure::Refused);
    EXPECT_EQ(read(folder.write("one.dat", "\x03")).failure, ProtectedReadFailure::Refused);
    EXPECT_EQ(read(good, "other").failure, ProtectedReadFailure::Refused);
    EXPECT_EQ(read(folder.write("text.dat", "not a protected file at all")).failure,
              ProtectedReadFailure::Refused);
}

TEST_F(ProtectedTextFileTest, CountsOnlyTheFirst40959BytesOfTheMapFile) {
    const auto small = folder / "map.dat";
    ProtectedTextFile::write(small, u"<msnobj Location=\"TFR1.dat\"/>", asBytes("kim"), protection);
    auto content = test::readBytes(small);
    content.resize(40959, 0);
    std::string padded(content.begin(), content.end());
    // Trailing bytes past the blob are ignored by the length fields; past the cap they are not
    // read.
    EXPECT_TRUE(read(folder.write("padded.dat", padded), "kim", ProtectedTextFile::kMapFile).ok());
    std::string huge = padded + std::string(100000, 'x');
    EXPECT_TRUE(read(folder.write("huge.dat", huge), "kim", ProtectedTextFile::kMapFile).ok());

    const std::u16string longText(30000, u'a');
    const auto big = folder / "big.dat";
    ProtectedTextFile::write(big, longText, asBytes("kim"), protection);
    EXPECT_EQ(read(big, "kim", ProtectedTextFile::kMapFile).failure, ProtectedReadFailure::Refused);
    EXPECT_EQ(read(big, "kim", ProtectedTextFile::kTrfFile).text, longText);
}

TEST_F(ProtectedTextFileTest, ThrowsForAFolderOrAnOversizedTrfFile) {
    std::filesystem::create_directories(folder / "dir.dat");
    EXPECT_THROW(read(folder / "dir.dat"), std::runtime_error);
    const auto oversized = folder / "big.dat";
    std::filesystem::resize_file(folder.write("big.dat", "\x03\x04"),
                                 ProtectedTextFile::kTrfFile.bytes + 1);
    EXPECT_THROW(read(oversized), std::runtime_error);
}

TEST(ProtectedTextFileUnwrap, ReadsUpToTheNulUnitOrTheLastWholeUnit) {
    // "ab" + NUL + "c" in UTF-16LE, then "ab" and a dangling byte.
    EXPECT_EQ(ProtectedTextFile::unwrap(asBytes("YQBiAAAAYwA=")), u"ab");
    EXPECT_EQ(ProtectedTextFile::unwrap(asBytes("YQBiAGM=")), u"ab");
    EXPECT_EQ(ProtectedTextFile::unwrap(asBytes("")), u"");
    EXPECT_EQ(ProtectedTextFile::unwrap(asBytes("!!!")), u"");
}

}  // namespace
}  // namespace quillmere::store
