#include "app/TaskSelection.h"

#include "app/UserDialogs.h"
#include "app/WizardState.h"
#include "platform/PathLookup.h"
#include "platform/PlatformProfile.h"
#include "platform/Utf.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "services/AccountLogin.h"
#include "store/LoginHash.h"

namespace quillmere::app {

namespace {

constexpr int kPageImportFile = 5;
constexpr int kPageYahooWait = 12;
constexpr int kPageYahooList = 13;
constexpr int kPageLocalFile = 15;

}  // namespace

TaskSelection::TaskSelection(WizardState& state, const platform::PlatformProfile& profile,
                             UserDialogs& dialogs, const resources::StringTable& strings,
                             services::AccountLogin& login)
    : m_state(state), m_profile(profile), m_dialogs(dialogs), m_strings(strings), m_login(login) {}

void TaskSelection::OnSetActive() {
    if (m_state.isYahooExtractFailed()) {
        m_bNeedYahooExtract = true;
    }
}

std::optional<int> TaskSelection::messengerMajorVersion(std::u16string_view canary) {
    const size_t dot = canary.find(u'.');
    if (dot == std::u16string_view::npos) {
        return std::nullopt;
    }
    int major = 0;
    for (size_t i = 0; i < dot && i < 10 && canary[i] >= u'0' && canary[i] <= u'9'; ++i) {
        major = major * 10 + (canary[i] - u'0');
    }
    return major;
}

bool TaskSelection::usesMessenger8(const platform::PlatformProfile& profile) {
    const auto canary =
        profile.registry().queryText(platform::RegistryRoot::CurrentUser,
                                     u"Software\\Microsoft\\MSNMessenger", u"AppCompatCanary");
    if (canary) {
        if (const auto major = messengerMajorVersion(*canary); major && *major >= 8) {
            return true;
        }
    }
    const auto local = profile.localAppData();
    if (!local) {
        return false;
    }
    std::error_code ec;
    if (std::filesystem::exists(platform::PathLookup::resolveNoCase(*local, "Microsoft/Messenger"),
                                ec)) {
        return true;
    }
    const auto version = profile.windowsVersion();
    return version && ((version->major == 5 && version->minor > 0) || version->major > 5);
}

bool TaskSelection::pre8AccountExists(const platform::PlatformProfile& profile,
                                      std::u16string_view login) {
    const auto appData = platform::pathFromUtf16(profile.ExpandEnvironmentStrings(u"%APPDATA%"));
    const auto account = platform::PathLookup::resolveNoCase(
        appData, std::filesystem::path("Microsoft/MSN Messenger") /
                     platform::pathFromUtf16(store::LoginHash::taskPageHash(login)));
    std::error_code ec;
    return std::filesystem::exists(account, ec);
}

void TaskSelection::loginError() const {
    m_dialogs.MessageBox(m_strings.get(resources::IDS_LOGIN_NOT_CORRECT),
                         m_strings.get(resources::IDS_LOGIN_ERROR), UserDialogs::Icon::None);
}

TaskSelection::Route TaskSelection::OnWizardNext(Task task, bool skipPreview,
                                                 std::u16string_view login,
                                                 std::u16string_view password) {
    // Stored before any check, so it stays even when the page refuses to go on.
    m_state.setSkipPreview(skipPreview);
    const std::u16string name = platform::trimWhitespace(login);
    const std::u16string secret = platform::trimWhitespace(password);
    if (name.empty()) {
        m_dialogs.MessageBox(m_strings.get(resources::IDS_ENTER_LOGIN),
                             m_strings.get(resources::IDS_MISSING_LOGIN), UserDialogs::Icon::None);
        return {true, std::nullopt};
    }
    const bool msn8 = usesMessenger8(m_profile);
    std::u16string puid;
    if (msn8) {
        puid = m_login.RequestPuid(name, secret);
        if (puid.empty() || platform::asciiLower(puid) == u"auth_error") {
            loginError();
            return {true, std::nullopt};
        }
    } else if (!pre8AccountExists(m_profile, name)) {
        loginError();
        return {true, std::nullopt};
    }
    m_state.setLoginName(name);
    if (msn8) {
        m_state.setMsn8(true);
        m_state.setPuid(puid);
    }
    switch (task) {
        case Task::Export:
            return {false, std::nullopt};
        case Task::ImportFromFile:
            return {false, kPageImportFile};
        case Task::ImportYahoo:
            if (m_bNeedYahooExtract) {
                m_bNeedYahooExtract = false;
                return {false, kPageYahooWait};
            }
            return {false, kPageYahooList};
        case Task::ImportLocal:
            return {false, kPageLocalFile};
    }
    return {false, std::nullopt};
}

}  // namespace quillmere::app
