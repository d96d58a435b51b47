#include "platform/Registry.h"
#include "platform/WineRegistryParser.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quillmere::platform {
namespace {

constexpr std::string_view kUserReg = R"(WINE REGISTRY Version 2
;; All keys relative to \\User\\S-1-5-21-0-0-0-1000

#arch=win32

[Software\\Microsoft\\MSNMessenger] 1700000000
#time=1d9a1b2c3d4e5f6
"AppCompatCanary"="8.5.1302.1018"
"Quoted"="say \"hi\"\tthen\\leave\nnow"
"Octal"="a\033b"
"Hex"="caf\x00e9 \x65e5\x672c!"
"Utf8"="café"
@="the default"

[Software\\Wine] 1700000000
"Version"=str:"winxp"
"Path"=str(2):"%SystemRoot%\\system32"
"Flags"=dword:0000002a
"Blob"=hex:01,02,ff,\
  10,20
"Wide"=hex(2):41,00,42,00,00,00
"Multi"=hex(7):61,00,00,00,62,00,00,00,00,00

[Software\\Broken] 1700000000
"NoEquals"
"BadDword"=dword:zz
"BadHex"=hex:0g
"Unterminated"="abc
"Good"="still read"
[Software\\Unterminated
"Lost"="value"
)";

class WineRegistryParserTest : public testing::Test {
  protected:
    RegistryHive hive = WineRegistryParser::parse(kUserReg);

    std::optional<std::u16string> text(std::u16string_view key, std::u16string_view name) const {
        const RegistryValue* v = hive.value(key, name);
        return v ? v->text() : std::nullopt;
    }
};

TEST_F(WineRegistryParserTest, DecodesStringEscapesAndRawUtf8) {
    constexpr std::u16string_view key = u"Software\\Microsoft\\MSNMessenger";
    EXPECT_EQ(text(key, u"AppCompatCanary"), u"8.5.1302.1018");
    EXPECT_EQ(text(key, u"Quoted"), u"say \"hi\"\tthen\\leave\nnow");
    EXPECT_EQ(text(key, u"Octal"),
              u"a\x1b"
              u"b");
    EXPECT_EQ(text(key, u"Hex"), u"caf\u00e9 \u65e5\u672c!");
    EXPECT_EQ(text(key, u"Utf8"), u"caf\u00e9");
    EXPECT_EQ(text(key, u""), u"the default");
}

TEST_F(WineRegistryParserTest, MatchesKeysAndNamesWithoutRegardToCase) {
    EXPECT_EQ(text(u"software\\MICROSOFT\\msnmessenger", u"appcompatcanary"), u"8.5.1302.1018");
    EXPECT_TRUE(hive.hasKey(u"SOFTWARE\\microsoft"));
    EXPECT_FALSE(hive.hasKey(u"Software\\Microsoft\\Messenger"));
}

TEST_F(WineRegistryParserTest, ReadsEveryValueKind) {
    constexpr std::u16string_view key = u"Software\\Wine";
    EXPECT_EQ(text(key, u"Version"), u"winxp");
    const RegistryValue* path = hive.value(key, u"Path");
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->type, kRegExpandSz);
    EXPECT_EQ(path->text(), u"%SystemRoot%\\system32");
    EXPECT_EQ(hive.value(key, u"Flags")->dword(), 42u);
    EXPECT_EQ(hive.value(key, u"Blob")->data, (Bytes{1, 2, 0xff, 0x10, 0x20}));
    EXPECT_EQ(hive.value(key, u"Blob")->type, kRegBinary);
    EXPECT_EQ(text(key, u"Wide"), u"AB");
    EXPECT_EQ(hive.value(key, u"Multi")->type, kRegMultiSz);
    EXPECT_FALSE(hive.value(key, u"Multi")->text());
    EXPECT_FALSE(hive.value(key, u"Version")->dword());
}

TEST_F(WineRegistryParserTest, SkipsDamagedLinesAndKeepsTheRest) {
    constexpr std::u16string_view key = u"Software\\Broken";
    for (auto name : {u"NoEquals", u"BadDword", u"BadHex", u"Unterminated"}) {
        EXPECT_EQ(hive.value(key, name), nullptr);
    }
    EXPECT_EQ(text(key, u"Good"), u"still read");
    // A section header without its closing bracket starts no key: its values go nowhere.
    EXPECT_FALSE(hive.hasKey(u"Software\\Unterminated"));
    EXPECT_EQ(hive.value(key, u"Lost"), nullptr);
}

TEST(WineRegistryParser, TakesAnyBytesWithoutFailing) {
    using namespace std::literals;
    for (std::string_view text :
         {""sv, "["sv, "\"\\"sv, "[a]\n\"x\"=hex:\\"sv, "[a]\n@=str(zz):\"q\""sv,
          "[a]\n\"v\"=\"\\x"sv, "\0\xff\xfe[\\\0]"sv, "[a]\n\"d\"=dword:"sv}) {
        EXPECT_NO_THROW(WineRegistryParser::parse(text));
    }
}

TEST(Registry, ReadsAPrefixAndMapsClassesRootIntoTheMachineHive) {
    test::TempFolder prefix;
    prefix.write("user.reg",
                 "WINE REGISTRY Version 2\n[Software\\\\Wine] 1\n\"Version\"=\"win7\"\n");
    prefix.write(
        "system.reg",
        "WINE REGISTRY Version 2\n"
        "[Software\\\\Classes\\\\Ypager.Messenger\\\\shell\\\\open\\\\command] 1\n"
        "@=\"\\\"C:\\\\Program Files\\\\Yahoo!\\\\Messenger\\\\YahooMessenger.exe\\\" %1\"\n");
    const Registry registry = Registry::fromWinePrefix(prefix.path());
    EXPECT_EQ(registry.queryText(RegistryRoot::CurrentUser, u"Software\\Wine", u"Version"),
              u"win7");
    EXPECT_FALSE(registry.queryText(RegistryRoot::LocalMachine, u"Software\\Wine", u"Version"));
    EXPECT_EQ(registry.queryText(RegistryRoot::ClassesRoot,
                                 u"Ypager.Messenger\\shell\\open\\command", u""),
              u"\"C:\\Program Files\\Yahoo!\\Messenger\\YahooMessenger.exe\" %1");
    EXPECT_TRUE(registry.keyExists(RegistryRoot::ClassesRoot, u"Ypager.Messenger"));
}

TEST(Registry, IsEmptyWithoutItsFiles) {
    test::TempFolder prefix;
    const Registry registry = Registry::fromWinePrefix(prefix.path());
    EXPECT_FALSE(registry.keyExists(RegistryRoot::CurrentUser, u"Software"));
    EXPECT_FALSE(registry.queryValue(RegistryRoot::LocalMachine, u"Software", u"x"));
}

}  // namespace
}  // namespace quillmere::platform
