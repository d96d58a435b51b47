#include "platform/TempFileName.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace quillmere::platform {
namespace {

TEST(TempFileName, ReservesDistinctEmptyFilesNamedPrefixHexTmp) {
    test::TempFolder folder;
    std::set<std::filesystem::path> names;
    for (int i = 0; i < 20; ++i) {
        const auto name = TempFileName::create(folder.path(), "TFR");
        ASSERT_TRUE(name);
        EXPECT_EQ(name->parent_path(), folder.path());
        EXPECT_TRUE(
            std::regex_match(name->filename().string(), std::regex("TFR[0-9A-F]{1,4}\\.tmp")))
            << *name;
        EXPECT_EQ(std::filesystem::file_size(*name), 0u);
        names.insert(*name);
    }
    EXPECT_EQ(names.size(), 20u);
}

TEST(TempFileName, UsesOnlyTheFirstThreeCharactersOfThePrefix) {
    test::TempFolder folder;
    const auto name = TempFileName::create(folder.path(), "emoticon");
    ASSERT_TRUE(name);
    EXPECT_TRUE(std::regex_match(name->filename().string(), std::regex("emo[0-9A-F]{1,4}\\.tmp")));
}

TEST(TempFileName, FailsInAFolderThatDoesNotExist) {
    test::TempFolder folder;
    EXPECT_FALSE(TempFileName::create(folder / "missing", "afx"));
}

}  // namespace
}  // namespace quillmere::platform
