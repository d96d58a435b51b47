#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillmere::platform {
class PlatformProfile;
}
namespace quillmere::resources {
class StringTable;
}
namespace quillmere::services {
class AccountLogin;
}

namespace quillmere::app {

class UserDialogs;
class WizardState;

enum class Task { Export, ImportFromFile, ImportYahoo, ImportLocal };

// What the task page does on Next: checks the login against the store the account uses and
// sends the wizard down the road of the task.
class TaskSelection {
  public:
    // Where Next leads: stay on the page, the neighbouring page, or a jump.
    struct Route {
        bool stay = false;
        std::optional<int> jumpTo;
    };

    TaskSelection(WizardState& state, const platform::PlatformProfile& profile,
                  UserDialogs& dialogs, const resources::StringTable& strings,
                  services::AccountLogin& login);

    // Activation: a failed Yahoo! collection makes the next Yahoo! choice collect again.
    void OnSetActive();
    Route OnWizardNext(Task task, bool skipPreview, std::u16string_view login,
                       std::u16string_view password);

    // The Messenger 8 decision: the installed messenger's version, the local Messenger folder,
    // else the Windows version (XP or later).
    static bool usesMessenger8(const platform::PlatformProfile& profile);
    static bool pre8AccountExists(const platform::PlatformProfile& profile,
                                  std::u16string_view login);
    // The major version at the start of "AppCompatCanary" ("8.5.1302" gives 8); nothing without
    // a '.'.
    static std::optional<int> messengerMajorVersion(std::u16string_view canary);

  private:
    void loginError() const;

    WizardState& m_state;
    const platform::PlatformProfile& m_profile;
    UserDialogs& m_dialogs;
    const resources::StringTable& m_strings;
    services::AccountLogin& m_login;
    bool m_bNeedYahooExtract = true;
};

}  // namespace quillmere::app
