#include "cli/InfoCommand.h"
#include "cli/JsonWriter.h"

#include "support/WinePrefixFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <regex>
#include <sstream>

namespace quillmere::cli {
namespace {

constexpr std::string_view kUserReg =
    R"([Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders] 1700000000
"AppData"="C:\\users\\dana \"d\"\\Application Data"

[Software\\Wine] 1700000000
"Version"="winxp"
)";

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun runInfo(const std::vector<std::string>& args, const platform::PlatformProfile& profile) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = InfoCommand::run(args, profile, out, err);
    return {status, out.str(), err.str()};
}

TEST(InfoCommand, DescribesAWinePrefixAsJson) {
    test::WinePrefixFixture prefix;
    prefix.writeUserReg(kUserReg);
    const auto roaming = prefix.makeFolder("users/dana \"d\"/Application Data");
    const auto profile = platform::PlatformProfile::detect(platform::Environment(
        {{"WINEPREFIX", prefix.path().string()}, {"TMPDIR", "/scratch"}, {"LANG", "ja_JP.UTF-8"}}));

    const CommandRun run = runInfo({"--json"}, *profile);
    EXPECT_EQ(run.status, 0);
    const std::string quotedPrefix = JsonWriter::quote(prefix.path().string());
    EXPECT_NE(run.out.find("\"profile\": \"wine\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"wine_prefix\": " + quotedPrefix), std::string::npos);
    EXPECT_NE(run.out.find("\"roaming_app_data\": \"" + prefix.path().string() +
                           "/drive_c/users/dana \\\"d\\\"/Application Data\""),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"local_app_data\": null"), std::string::npos);
    EXPECT_NE(run.out.find("\"temp_folder\": \"/scratch/\""), std::string::npos);
    EXPECT_NE(run.out.find("\"windows_version\": \"5.1\""), std::string::npos);
    EXPECT_NE(run.out.find("\"user_name\": \"dana \\\"d\\\"\""), std::string::npos);
    EXPECT_NE(run.out.find("\"code_page\": 932"), std::string::npos);
}

TEST(InfoCommand, DescribesTheNativeProfileAsText) {
    const auto profile = platform::PlatformProfile::detect(
        platform::Environment({{"HOME", "/home/eve"}, {"USER", "eve"}, {"WINEPREFIX", "/none"}}));
    const CommandRun run = runInfo({}, *profile);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("native (no Wine prefix)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("/home/eve/.local/share/quillmere/AppData/Roaming"), std::string::npos);
    EXPECT_TRUE(std::regex_search(run.out, std::regex("Local application data: +none\n")));
    EXPECT_NE(run.out.find("1252"), std::string::npos);
}

TEST(InfoCommand, RefusesUnknownArguments) {
    const auto profile = platform::PlatformProfile::detect(
        platform::Environment(std::map<std::string, std::string>{{"WINEPREFIX", "/none"}}));
    const CommandRun run = runInfo({"--xml"}, *profile);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("--xml"), std::string::npos);
}

std::string runCli(const std::string& arguments, int& status) {
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((arguments + " 2>&1").c_str(), "r"), pclose);
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) {
        output.append(buffer.data(), n);
    }
    status = WEXITSTATUS(pclose(pipe.release()));
    return output;
}

TEST(QuillmereCli, AnswersHelpInfoAndUnknownCommands) {
    const std::string cli = QUILLMERE_CLI_PATH;
    int status = -1;
    EXPECT_NE(runCli(cli + " --help", status).find("info [--json]"), std::string::npos);
    EXPECT_EQ(status, 0);
    test::TempFolder home;
    const std::string out =
        runCli("env -i HOME=" + home.path().string() + " USER=zoe " + cli + " info --json", status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("\"profile\": \"native\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"user_name\": \"zoe\""), std::string::npos) << out;
    runCli(cli + " frobnicate", status);
    EXPECT_EQ(status, 2);
    runCli(cli, status);
    EXPECT_EQ(status, 2);
}

}  // namespace
}  // namespace quillmere::cli
