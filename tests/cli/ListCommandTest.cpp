#include "cli/ListCommand.h"

#include "services/AccountLogin.h"
#include "support/StoreFixture.h"
#include "support/ZipContents.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quillmere::cli {
namespace {

using Emoticon = test::StoreFixture::Emoticon;

struct FixedLogin : services::AccountLogin {
    std::u16string answer;
    int calls = 0;
    std::u16string RequestPuid(std::u16string_view, std::u16string_view) override {
        ++calls;
        return answer;
    }
};

struct Output {
    int status;
    std::string out;
    std::string err;
};

Output list(const test::StoreFixture& fixture, FixedLogin& login,
            const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = ListCommand::run(args, fixture.profile(), login, out, err);
    return {status, out.str(), err.str()};
}

TEST(ListCommand, ListsThePre8StoreWithPicturePaths) {
    test::StoreFixture fixture;
    const auto account = fixture.writePre8Store(
        u"kim", {{u":)", u"smile", test::StoreFixture::pictureBytes(1)},
                 {u"(Y)", u"yes \"sir\"", test::StoreFixture::pictureBytes(2)}});
    FixedLogin login;
    const Output text = list(fixture, login, {"--login", "Kim"});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find(":)\tsmile\t<msnobj Creator=\"kim\""), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\t" + (account / "CustomEmoticons/TFR1.dat").string() + "\n"),
              std::string::npos);
    const Output json = list(fixture, login, {"--login", "kim", "--store", "pre8", "--json"});
    EXPECT_NE(json.out.find("\"name\": \"yes \\\"sir\\\"\""), std::string::npos) << json.out;
    EXPECT_EQ(login.calls, 0);
}

TEST(ListCommand, ListsTheMessenger8StoreWithAGivenOrFetchedIdentifier) {
    test::StoreFixture fixture;
    fixture.writeMsn8Store(u"kim@example.com", u"0006bffd8c1a7a2c", {{u":)", u"smile", ""}});
    FixedLogin login;
    const Output byPuid =
        list(fixture, login,
             {"--login", "kim@example.com", "--store", "m8", "--puid", "0006BFFD8C1A7A2C"});
    EXPECT_EQ(byPuid.status, 0) << byPuid.err;
    EXPECT_NE(byPuid.out.find(":)\tsmile\t<msnobj Creator=\"kim@example.com\" Type=\"2\""),
              std::string::npos);
    EXPECT_NE(byPuid.out.find(".dt2\n"), std::string::npos);
    EXPECT_EQ(login.calls, 0);

    login.answer = u"0006bffd8c1a7a2c";
    const Output byPassword =
        list(fixture, login, {"--login", "kim@example.com", "--store", "m8", "--password", "pw"});
    EXPECT_EQ(byPassword.out, byPuid.out);
    EXPECT_EQ(login.calls, 1);

    login.answer = u"";
    const Output refused =
        list(fixture, login, {"--login", "kim@example.com", "--store", "m8", "--password", "pw"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "quillmere-cli: Your MSN login is not correct.\n");
}

TEST(ListCommand, ReportsWhatTheWizardWouldShow) {
    test::StoreFixture fixture;
    FixedLogin login;
    EXPECT_EQ(list(fixture, login, {"--login", "nobody"}).status, 1);
    const auto account =
        fixture.writePre8Store(u"kim", {{u":)", u"smile", test::StoreFixture::pictureBytes(1)}});
    std::filesystem::remove(account / "CustomEmoticons/map.dat");
    std::filesystem::create_directories(account / "CustomEmoticons/map.dat");
    const Output broken = list(fixture, login, {"--login", "kim"});
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.err, "quillmere-cli: The program catch exception and can not continue.\n");
    for (const auto& args :
         std::vector<std::vector<std::string>>{{},
                                               {"--login"},
                                               {"--login", "kim", "--store", "new"},
                                               {"--login", "kim", "--puid", "a", "--password", "b"},
                                               {"--login", "kim", "--store", "m8"}}) {
        EXPECT_EQ(list(fixture, login, args).status, 2);
    }
}

TEST(ExportCommand, WritesThePickedEmoticonsToAFile) {
    test::StoreFixture fixture;
    fixture.writeMsn8Store(u"kim", u"puid",
                           {{u":)", u"smile", "GIF89a-1"}, {u":(", u"sad", "GIF89a-2"}});
    FixedLogin login;
    const auto file = fixture.roaming().parent_path() / "out.zip";
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(ListCommand::runExport({"--login", "kim", "--store", "m8", "--puid", "puid", "--only",
                                      ":(", file.string()},
                                     fixture.profile(), login, out, err),
              0)
        << err.str();
    EXPECT_EQ(out.str(), "exported 1 emoticons to " + file.string() + "\n");
    const auto zip = test::readZip(file);
    ASSERT_TRUE(zip.ok);
    ASSERT_EQ(zip.entries.size(), 4u);
    EXPECT_EQ(zip.entries[1].data, "GIF89a-2");
    EXPECT_EQ(ListCommand::runExport({"--login", "kim", "--store", "m8", "--puid", "puid"},
                                     fixture.profile(), login, out, err),
              2);
}

}  // namespace
}  // namespace quillmere::cli
