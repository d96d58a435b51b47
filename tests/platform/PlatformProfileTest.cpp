#include "platform/PlatformProfile.h"

#include "support/WinePrefixFixture.h"

#include <gtest/gtest.h>

namespace quillmere::platform {
namespace {

constexpr std::string_view kXpUserReg =
    R"([Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders] 1700000000
"AppData"="C:\\users\\bob\\Application Data"
"Local AppData"="C:\\users\\bob\\Local Settings\\Application Data"

[Software\\Wine] 1700000000
"Version"="winxp"
)";

class PlatformProfileTest : public testing::Test {
  protected:
    test::WinePrefixFixture prefix;

    std::unique_ptr<PlatformProfile> detect(std::map<std::string, std::string> vars = {}) {
        vars.emplace("WINEPREFIX", prefix.path().string());
        vars.emplace("HOME", "/nonexistent-home");
        vars.emplace("USER", "tester");
        return PlatformProfile::detect(Environment(vars));
    }
};

TEST_F(PlatformProfileTest, ReadsAnXpPrefixThroughItsRegistry) {
    prefix.writeUserReg(kXpUserReg);
    prefix.linkDriveC();
    const auto roaming = prefix.makeFolder("users/bob/Application Data");
    const auto local = prefix.makeFolder("users/bob/Local Settings/Application Data");

    const auto profile = detect();
    EXPECT_EQ(profile->kindName(), "wine");
    EXPECT_EQ(profile->winePrefix(), prefix.path());
    EXPECT_EQ(profile->roamingAppData(), std::filesystem::canonical(roaming));
    EXPECT_EQ(profile->localAppData(), std::filesystem::canonical(local));
    const auto version = profile->windowsVersion();
    ASSERT_TRUE(version);
    EXPECT_EQ(version->major, 5u);
    EXPECT_EQ(version->minor, 1u);
    EXPECT_EQ(profile->userName(), "bob");
}

TEST_F(PlatformProfileTest, FallsBackToTheVistaFoldersOfThePrefixUser) {
    const auto roaming = prefix.makeFolder("users/Carol/appdata/ROAMING");
    prefix.makeFolder("users/Public");

    const auto profile = detect();
    EXPECT_EQ(profile->userName(), "Carol");
    EXPECT_EQ(profile->roamingAppData(), roaming);
    EXPECT_FALSE(profile->localAppData());
}

TEST_F(PlatformProfileTest, EnvironmentOverridesTheFolders) {
    prefix.makeFolder("users/tester/AppData/Local");
    const auto profile = detect(
        {{"APPDATA", "/data/roaming"}, {"LOCALAPPDATA", "/data/local"}, {"TMPDIR", "/scratch"}});
    EXPECT_EQ(profile->roamingAppData(), std::filesystem::path("/data/roaming"));
    EXPECT_EQ(profile->localAppData(), std::filesystem::path("/data/local"));
    EXPECT_EQ(profile->tempPath(), std::filesystem::path("/scratch/"));
    EXPECT_EQ(profile->ExpandEnvironmentStrings(u"%APPDATA%\\Microsoft\\MSN Messenger"),
              u"/data/roaming\\Microsoft\\MSN Messenger");
}

struct VersionCase {
    std::string userReg;
    std::string systemReg;
    unsigned major;
    unsigned minor;
};

class WindowsVersionTest : public PlatformProfileTest,
                           public testing::WithParamInterface<VersionCase> {};

TEST_P(WindowsVersionTest, ComesFromWineThenWindowsNtThenDefaultsToWindows10) {
    prefix.writeUserReg(GetParam().userReg);
    prefix.writeSystemReg(GetParam().systemReg);
    const auto version = detect()->windowsVersion();
    ASSERT_TRUE(version);
    EXPECT_EQ(version->major, GetParam().major);
    EXPECT_EQ(version->minor, GetParam().minor);
}

constexpr const char* kNt = "[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion] 1\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowsVersionTest,
    testing::Values(VersionCase{"[Software\\\\Wine] 1\n\"Version\"=\"WIN7\"\n", "", 6, 1},
                    VersionCase{"[Software\\\\Wine] 1\n\"Version\"=\"win2k\"\n", "", 5, 0},
                    VersionCase{"", std::string(kNt) + "\"CurrentVersion\"=\"5.1\"\n", 5, 1},
                    VersionCase{"",
                                std::string(kNt) + "\"CurrentVersion\"=\"6.3\"\n"
                                                   "\"CurrentMajorVersionNumber\"=dword:0000000a\n",
                                10, 0},
                    VersionCase{"[Software\\\\Wine] 1\n\"Version\"=\"bogus\"\n", "", 10, 0},
                    VersionCase{"", "", 10, 0}));

TEST(NativeProfile, UsesXdgDataHomeAndHasNoLocalFolderRegistryOrVersion) {
    const auto profile = PlatformProfile::detect(Environment({{"HOME", "/home/ann"},
                                                              {"USER", "ann"},
                                                              {"XDG_DATA_HOME", "/xdg"},
                                                              {"WINEPREFIX", "/none"}}));
    EXPECT_EQ(profile->kindName(), "native");
    EXPECT_FALSE(profile->winePrefix());
    EXPECT_EQ(profile->roamingAppData(), std::filesystem::path("/xdg/quillmere/AppData/Roaming"));
    EXPECT_FALSE(profile->localAppData());
    EXPECT_FALSE(profile->windowsVersion());
    EXPECT_FALSE(profile->registry().keyExists(RegistryRoot::CurrentUser, u"Software"));
    EXPECT_EQ(profile->userName(), "ann");
    EXPECT_EQ(profile->tempPath(), std::filesystem::path("/tmp/"));
}

TEST(NativeProfile, DefaultsToTheHomeDataFolderAndHonoursLocalAppData) {
    const auto profile = PlatformProfile::detect(
        Environment({{"HOME", "/home/ann"}, {"LOCALAPPDATA", "/la"}, {"WINEPREFIX", "/none"}}));
    EXPECT_EQ(profile->roamingAppData(),
              std::filesystem::path("/home/ann/.local/share/quillmere/AppData/Roaming"));
    EXPECT_EQ(profile->localAppData(), std::filesystem::path("/la"));
}

TEST(PlatformProfile, ExpandsKnownNamesAndLeavesUnknownOnes) {
    const auto profile = PlatformProfile::detect(Environment({{"HOME", "/h"},
                                                              {"USER", "ann"},
                                                              {"APPDATA", "/ad"},
                                                              {"WINEPREFIX", "/none"},
                                                              {"FOO", "bar"}}));
    EXPECT_EQ(profile->ExpandEnvironmentStrings(u"%appdata%|%FOO%|%NOPE%|%TEMP%|%USERNAME%|50%"),
              u"/ad|bar|%NOPE%|/tmp|ann|50%");
    EXPECT_EQ(profile->ExpandEnvironmentStrings(u"%NOPE%APPDATA%"), u"%NOPE/ad");
}

}  // namespace
}  // namespace quillmere::platform
