#include "app/LanguageSetup.h"

#include "resources/StringIds.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace quillmere::app {
namespace {

std::string currentLocale() {
    return std::setlocale(LC_ALL, nullptr);
}

TEST(LanguageSetup, WithoutTheModuleRestoresTheLocaleAndKeepsEnglish) {
    test::TempFolder programFolder;
    const std::string before = currentLocale();
    resources::StringTable strings;
    EXPECT_FALSE(LanguageSetup::apply(1041, programFolder.path(), strings));
    EXPECT_EQ(currentLocale(), before);
    EXPECT_EQ(strings.get(resources::IDS_WIZARD_CAPTION), u"Import/Export Wizard");
}

TEST(LanguageSetup, LoadsTheModuleOfTheLanguageFromTheProgramFolder) {
    test::TempFolder programFolder;
    programFolder.write("950.res", "114\t\xE5\x8C\xAF\xE5\x85\xA5\n");
    programFolder.write("932.res", "114\tjapanese\n");
    const std::string before = currentLocale();
    resources::StringTable strings;
    EXPECT_TRUE(LanguageSetup::apply(1028, programFolder.path(), strings));
    EXPECT_EQ(strings.get(resources::IDS_WIZARD_CAPTION), u"\u532f\u5165");
    std::setlocale(LC_ALL, before.c_str());
}

TEST(LanguageSetup, OtherLanguagesChangeNothing) {
    test::TempFolder programFolder;
    programFolder.write("932.res", "114\tjapanese\n");
    resources::StringTable strings;
    EXPECT_FALSE(LanguageSetup::apply(1033, programFolder.path(), strings));
    EXPECT_FALSE(LanguageSetup::apply(1031, programFolder.path(), strings));
    EXPECT_EQ(strings.get(resources::IDS_WIZARD_CAPTION), u"Import/Export Wizard");
}

}  // namespace
}  // namespace quillmere::app
