#include "platform/PathLookup.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quillmere::platform {
namespace {

TEST(PathLookup, ResolvesEachComponentWithoutRegardToCase) {
    test::TempFolder root;
    std::filesystem::create_directories(root / "Users/Bob/AppData/Local/Microsoft/MESSENGER");
    EXPECT_EQ(PathLookup::resolveNoCase(root.path(), "users/bob/appdata/local/microsoft/Messenger"),
              root / "Users/Bob/AppData/Local/Microsoft/MESSENGER");
}

TEST(PathLookup, PrefersTheExactNameAndKeepsMissingComponentsAsGiven) {
    test::TempFolder root;
    std::filesystem::create_directories(root / "Data");
    std::filesystem::create_directories(root / "data");
    EXPECT_EQ(PathLookup::resolveNoCase(root.path(), "data/Missing/more"),
              root / "data/Missing/more");
    EXPECT_EQ(PathLookup::resolveNoCase(root.path(), "Data/x"), root / "Data/x");
}

TEST(PathLookup, MapsWindowsPathsThroughDosDevices) {
    test::TempFolder prefix;
    std::filesystem::create_directories(prefix / "drive_c/users/bob/Application Data");
    std::filesystem::create_directories(prefix / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
    std::filesystem::create_directories(prefix / "elsewhere");
    std::filesystem::create_directory_symlink("../elsewhere", prefix / "dosdevices/d:");

    const auto canonical = std::filesystem::canonical(prefix.path());
    EXPECT_EQ(PathLookup::fromWindowsPath(prefix.path(), u"C:\\USERS\\Bob\\application data"),
              canonical / "drive_c/users/bob/Application Data");
    EXPECT_EQ(PathLookup::fromWindowsPath(prefix.path(), u"d:\\x"), canonical / "elsewhere/x");
    EXPECT_FALSE(PathLookup::fromWindowsPath(prefix.path(), u"E:\\x"));
    EXPECT_FALSE(PathLookup::fromWindowsPath(prefix.path(), u"\\\\server\\share"));
    EXPECT_FALSE(PathLookup::fromWindowsPath(prefix.path(), u"relative"));
}

TEST(PathLookup, FallsBackToDriveCWithoutDosDevices) {
    test::TempFolder prefix;
    std::filesystem::create_directories(prefix / "drive_c/users/bob");
    EXPECT_EQ(PathLookup::fromWindowsPath(prefix.path(), u"c:\\Users\\BOB"),
              prefix / "drive_c/users/bob");
}

}  // namespace
}  // namespace quillmere::platform
