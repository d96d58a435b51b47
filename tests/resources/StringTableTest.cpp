#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quillmere::resources {
namespace {

TEST(StringTable, HoldsTheEnglishTextsBuiltIn) {
    const StringTable strings;
    EXPECT_EQ(strings.get(IDS_WIZARD_CAPTION), u"Import/Export Wizard");
    EXPECT_EQ(strings.get(IDS_ABOUT), u"About");
    EXPECT_EQ(strings.get(IDS_IS_DIRECTORY),
              u" is a directory and already exists.\r\nPlease choose a file.");
    EXPECT_EQ(strings.get(IDS_COULD_NOT_OPEN_FILE), u"Could not open file (error %d)\n");
    EXPECT_EQ(strings.get(IDS_EMOTICON_FILTER),
              u"Emoticon Files (*.zip)|*.zip|All Files (*.*)|*.*||");
    EXPECT_EQ(strings.get(IDS_ARCHIVE_VERSION), u"2.0");
    // The Yahoo! table: rows 1-79 and 100-108 are used, the rest hold "na".
    EXPECT_EQ(strings.get(IDS_YAHOO_SHORTCUT_BASE + 9), u":\">Y!");
    EXPECT_EQ(strings.get(IDS_YAHOO_SHORTCUT_BASE + 69), u"\\:D/Y!");
    EXPECT_EQ(strings.get(IDS_YAHOO_FILE_BASE + 108), u"108.gif");
    EXPECT_EQ(strings.get(IDS_YAHOO_NAME_BASE + 108), u"puppy dog eyes - New!");
    for (int row : {80, 99, 109, 110}) {
        EXPECT_EQ(strings.get(IDS_YAHOO_FILE_BASE + row), u"na");
        EXPECT_EQ(strings.get(IDS_YAHOO_NAME_BASE + row), u"na");
    }
    EXPECT_FALSE(strings.contains(IDS_YAHOO_FILE_BASE + 111));
    EXPECT_EQ(strings.get(99999), u"");
}

TEST(StringTable, AModuleReplacesTextsByNumber) {
    test::TempFolder folder;
    const auto module =
        folder.write("932.res",
                     "\xEF\xBB\xBF"
                     "114\t\xE3\x82\xA4\xE3\x83\xB3\xE3\x83\x9D\xE3\x83\xBC\xE3\x83\x88\r\n"
                     "121\t a\\r\\nb\\tc\\\\d\n"
                     "not a line\n"
                     "\tno number\n"
                     "12x\tbad number\n"
                     "70000\tout of range\n"
                     "113\t\n");
    StringTable strings;
    ASSERT_TRUE(strings.loadModule(module));
    EXPECT_EQ(strings.get(IDS_WIZARD_CAPTION), u"\u30a4\u30f3\u30dd\u30fc\u30c8");
    EXPECT_EQ(strings.get(IDS_IS_DIRECTORY), u" a\r\nb\tc\\d");
    EXPECT_EQ(strings.get(IDS_ABOUT), u"");
    EXPECT_EQ(strings.get(IDS_LOGIN_ERROR), u"Login error");
}

TEST(StringTable, AMissingOrUselessModuleLeavesTheEnglishTexts) {
    test::TempFolder folder;
    StringTable strings;
    EXPECT_FALSE(strings.loadModule(folder / "950.res"));
    EXPECT_FALSE(strings.loadModule(folder.write("936.res", "garbage\n\xff\xfe\x00\x01")));
    EXPECT_FALSE(strings.loadModule(folder.path()));
    EXPECT_EQ(strings.get(IDS_WIZARD_CAPTION), u"Import/Export Wizard");
}

TEST(StringTable, NamesTheModuleOfEachAsianLanguage) {
    EXPECT_EQ(StringTable::moduleNameFor(1041), "932.res");
    EXPECT_EQ(StringTable::moduleNameFor(1028), "950.res");
    EXPECT_EQ(StringTable::moduleNameFor(2052), "936.res");
    EXPECT_FALSE(StringTable::moduleNameFor(1033));
}

}  // namespace
}  // namespace quillmere::resources
