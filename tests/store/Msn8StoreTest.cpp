#include "store/LoginHash.h"
#include "store/Msn8Store.h"
#include "store/UniqueShortcut.h"

#include "platform/StoreCipher.h"
#include "platform/Utf.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace quillmere::store {
namespace {

TEST(LoginHash, HashesTheLowerCasedLoginInTheCodePage) {
    const platform::CodePage cp(1252);
    EXPECT_EQ(LoginHash::GetLoginHash(u"a", cp), u"97");
    EXPECT_EQ(LoginHash::GetLoginHash(u"kim", cp), u"1102221");
    EXPECT_EQ(LoginHash::GetLoginHash(u"Kim", cp), u"1102221");
    EXPECT_EQ(LoginHash::GetLoginHash(u"\u00e9", cp), u"4294967273");
    EXPECT_EQ(LoginHash::taskPageHash(u"KIM"), u"1102221");
    EXPECT_EQ(LoginHash::taskPageHash(u"\u00e9"), u"233");
    EXPECT_EQ(LoginHash::accountEntropy(u"Kim@Example.COM", cp), "kim@example.com");
}

TEST(UniqueShortcut, WalksTheCandidateSequence) {
    auto first = [](std::vector<std::u16string> inUse) {
        return UniqueShortcut::getUniqueName(inUse, nullptr, u"CPropertyPageIconList");
    };
    EXPECT_EQ(first({}), u"dup000");
    EXPECT_EQ(first({u"dup000", u"dup001"}), u"dup002");
    std::vector<std::u16string> taken;
    for (int i = 0; i <= 1000; ++i) {
        char name[16];
        std::snprintf(name, sizeof(name), "dup%03d", i);
        taken.push_back(platform::utf16FromUtf8(name));
    }
    EXPECT_EQ(first(taken), u"du1000");
    taken.push_back(u"du1000");
    EXPECT_EQ(first(taken), u"du0001");
}

TEST(Msn8Store, ParsesRecordFields) {
    const auto r = Msn8Store::parseId2Record(u"2\tSmile\t<msnobj/>\tKey\t:)\t", nullptr);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->shortcut, u":)");
    EXPECT_EQ(r->name, u"Smile");
    EXPECT_EQ(r->msnObj, u"<msnobj/>");
    EXPECT_TRUE(Msn8Store::parseId2Record(u"2\tSmile\t<msnobj/>\tKey\t:)", nullptr));
    EXPECT_FALSE(Msn8Store::parseId2Record(u"2\tSmile\t<msnobj/>", nullptr));
    EXPECT_FALSE(Msn8Store::parseId2Record(u"2\tSmile", nullptr));
    EXPECT_FALSE(Msn8Store::parseId2Record(u"", nullptr));
}

TEST(Msn8Store, RefusesRecordFilesThatDoNotDecrypt) {
    const platform::StoreCipher cipher(u"puid");
    const platform::Bytes plain = platform::utf16leBytes(u"2\ta\tb\tKey\tc\t");
    const platform::Bytes good = *cipher.encrypt(plain);
    EXPECT_TRUE(Msn8Store::ReadId2File(good, u"puid"));
    EXPECT_FALSE(Msn8Store::ReadId2File(good, u"other"));
    EXPECT_FALSE(Msn8Store::ReadId2File({}, u"puid"));
    EXPECT_FALSE(Msn8Store::ReadId2File(platform::ByteView(good).first(good.size() - 3), u"puid"));
    EXPECT_FALSE(Msn8Store::ReadId2File(platform::Bytes(10256, 0), u"puid"));
    // Text without tabs decrypts but is no record.
    const platform::Bytes noTabs = *cipher.encrypt(platform::utf16leBytes(u"no tabs here"));
    const auto text = Msn8Store::ReadId2File(noTabs, u"puid");
    ASSERT_TRUE(text);
    EXPECT_FALSE(Msn8Store::parseId2Record(*text, nullptr));
}

TEST(Msn8Store, WritesRecordsThatFitTheMessengersBufferOnly) {
    test::TempFolder folder;
    const auto picture = folder.write("a2Fb.dt2", "GIF89a-picture");
    ASSERT_TRUE(Msn8Store::WriteId2File(u"  :)  ", u" Smile ", picture, u"kim", u"puid"));
    const auto record = Msn8Store::readRecordFile(folder / "a2Fb.id2", u"puid", nullptr);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->shortcut, u":)");
    EXPECT_EQ(record->name, u"Smile");
    EXPECT_NE(record->msnObj.find(u"Friendly=\"UwBtAGkAbABlAAAA\""), std::u16string::npos);

    EXPECT_TRUE(Msn8Store::encryptRecord(std::u16string(494, u'x'), u"puid"));
    EXPECT_FALSE(Msn8Store::encryptRecord(std::u16string(495, u'x'), u"puid"));
    std::filesystem::remove(folder / "a2Fb.id2");
    EXPECT_FALSE(
        Msn8Store::WriteId2File(u":)", std::u16string(400, u'n'), picture, u"kim", u"puid"));
    EXPECT_FALSE(std::filesystem::exists(folder / "a2Fb.id2"));
}

TEST(Msn8Store, NamesPicturesByTheirDigestWithSlashesWrittenAs2F) {
    EXPECT_EQ(Msn8Store::dt2BaseName(u"a/b+c="), u"a2Fb+c=");
    test::TempFolder folder;
    EXPECT_EQ(Msn8Store::GetMsn8NewGifName(folder / "missing"), u"");
}

}  // namespace
}  // namespace quillmere::store
