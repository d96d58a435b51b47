#include "app/TaskSelection.h"

#include "app/WizardState.h"
#include "platform/PlatformProfile.h"
#include "platform/Utf.h"
#include "resources/StringTable.h"
#include "services/AccountLogin.h"
#include "store/LoginHash.h"
#include "support/ScriptedDialogs.h"
#include "support/StoreFixture.h"
#include "support/WinePrefixFixture.h"

#include <gtest/gtest.h>

namespace quillmere::app {
namespace {

struct FakeLogin : services::AccountLogin {
    std::u16string answer;
    std::vector<std::pair<std::u16string, std::u16string>> asked;
    std::u16string RequestPuid(std::u16string_view login, std::u16string_view password) override {
        asked.emplace_back(login, password);
        return answer;
    }
};

class TaskSelectionTest : public testing::Test {
  protected:
    TaskSelection page() {
        return TaskSelection(state, fixture.profile(), dialogs, strings, login);
    }

    test::StoreFixture fixture;  // native profile: the pre-8 store
    WizardState state;
    test::ScriptedDialogs dialogs;
    resources::StringTable strings;
    FakeLogin login;
};

TEST_F(TaskSelectionTest, AnEmptyLoginStaysButKeepsTheSkipTick) {
    auto selection = page();
    const auto route = selection.OnWizardNext(Task::Export, true, u"   ", u"");
    EXPECT_TRUE(route.stay);
    EXPECT_TRUE(state.isSkipPreview());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, u"Please enter your MSN login.");
    EXPECT_EQ(dialogs.shown[0].caption, u"Missing Login Info");
}

TEST_F(TaskSelectionTest, ChecksThePre8AccountFolderAndRoutesEachTask) {
    auto selection = page();
    EXPECT_TRUE(selection.OnWizardNext(Task::Export, false, u" Kim ", u"").stay);
    EXPECT_EQ(dialogs.texts(), std::vector<std::u16string>{u"Your MSN login is not correct."});
    EXPECT_EQ(dialogs.shown[0].caption, u"Login error");

    std::filesystem::create_directories(
        fixture.roaming() / "Microsoft/MSN Messenger" /
        platform::pathFromUtf16(store::LoginHash::taskPageHash(u"kim")));
    const auto exportRoute = selection.OnWizardNext(Task::Export, false, u" Kim ", u"");
    EXPECT_FALSE(exportRoute.stay);
    EXPECT_FALSE(exportRoute.jumpTo);
    EXPECT_EQ(state.getLoginName(), u"Kim");
    EXPECT_FALSE(state.isMsn8());
    EXPECT_TRUE(login.asked.empty());
    EXPECT_EQ(selection.OnWizardNext(Task::ImportFromFile, false, u"kim", u"").jumpTo, 5);
    EXPECT_EQ(selection.OnWizardNext(Task::ImportLocal, false, u"kim", u"").jumpTo, 15);
    EXPECT_EQ(selection.OnWizardNext(Task::ImportYahoo, false, u"kim", u"").jumpTo, 12);
    EXPECT_EQ(selection.OnWizardNext(Task::ImportYahoo, false, u"kim", u"").jumpTo, 13);
    selection.OnSetActive();
    EXPECT_EQ(selection.OnWizardNext(Task::ImportYahoo, false, u"kim", u"").jumpTo, 13);
    state.setYahooExtractFailed();
    selection.OnSetActive();
    EXPECT_EQ(selection.OnWizardNext(Task::ImportYahoo, false, u"kim", u"").jumpTo, 12);
}

TEST_F(TaskSelectionTest, LogsInOnTheMessenger8Road) {
    std::filesystem::create_directories(fixture.local() / "Microsoft/Messenger");
    auto selection = page();
    for (const char16_t* refusal : {u"", u"AUTH_ERROR"}) {
        login.answer = refusal;
        dialogs.shown.clear();
        EXPECT_TRUE(selection.OnWizardNext(Task::Export, false, u"kim@example.com", u" pw ").stay);
        EXPECT_EQ(dialogs.texts(), std::vector<std::u16string>{u"Your MSN login is not correct."});
        EXPECT_FALSE(state.isMsn8());
    }
    login.answer = u"0006bffd8c1a7a2c";
    EXPECT_FALSE(selection.OnWizardNext(Task::Export, false, u"kim@example.com", u" pw ").stay);
    EXPECT_TRUE(state.isMsn8());
    EXPECT_EQ(state.getPuid(), u"0006bffd8c1a7a2c");
    EXPECT_EQ(login.asked.back(),
              (std::pair<std::u16string, std::u16string>{u"kim@example.com", u"pw"}));
}

struct DecisionCase {
    const char* canary;    // nullptr: no value
    const char* version;   // the prefix's Windows version
    bool messengerFolder;  // Microsoft/Messenger under local application data
    bool localFolder;
    bool messenger8;
};

class StoreDecision : public testing::TestWithParam<DecisionCase> {};

TEST_P(StoreDecision, FollowsVersionFolderAndWindows) {
    const auto& c = GetParam();
    test::WinePrefixFixture prefix;
    std::string userReg = "[Software\\\\Wine] 1\n\"Version\"=\"" + std::string(c.version) + "\"\n";
    if (c.canary != nullptr) {
        userReg += "[Software\\\\Microsoft\\\\MSNMessenger] 1\n\"AppCompatCanary\"=\"" +
                   std::string(c.canary) + "\"\n";
    }
    prefix.writeUserReg(userReg);
    if (c.localFolder) {
        prefix.makeFolder("users/bob/AppData/Local");
    }
    if (c.messengerFolder) {
        prefix.makeFolder("users/bob/AppData/Local/Microsoft/MESSENGER");
    }
    const auto profile =
        platform::PlatformProfile::detect(platform::Environment(std::map<std::string, std::string>{
            {"WINEPREFIX", prefix.path().string()}, {"USER", "bob"}}));
    EXPECT_EQ(TaskSelection::usesMessenger8(*profile), c.messenger8);
}

INSTANTIATE_TEST_SUITE_P(Cases, StoreDecision,
                         testing::Values(DecisionCase{"8.5.1302.1018", "win2k", false, false, true},
                                         DecisionCase{"14.0.8117", "win2k", false, false, true},
                                         DecisionCase{"7.0.0816", "winxp", false, true, true},
                                         DecisionCase{"7.0.0816", "win2k", false, true, false},
                                         DecisionCase{nullptr, "win2k", true, true, true},
                                         DecisionCase{"8", "win2k", false, true, false},
                                         DecisionCase{"x.y", "win2k", false, true, false},
                                         DecisionCase{nullptr, "win7", false, false, false},
                                         DecisionCase{nullptr, "win7", false, true, true}));

TEST(TaskSelection, ReadsTheMajorVersion) {
    EXPECT_EQ(TaskSelection::messengerMajorVersion(u"8.5.1302"), 8);
    EXPECT_EQ(TaskSelection::messengerMajorVersion(u"14.0"), 14);
    EXPECT_EQ(TaskSelection::messengerMajorVersion(u"v.1"), 0);
    EXPECT_EQ(TaskSelection::messengerMajorVersion(u"12345678901.2"), 1234567890);
    EXPECT_FALSE(TaskSelection::messengerMajorVersion(u"8"));
}

}  // namespace
}  // namespace quillmere::app
