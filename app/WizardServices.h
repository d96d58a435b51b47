#pragma once

#include "app/UserDialogs.h"
#include "platform/PlatformProfile.h"
#include "services/AccountLogin.h"
#include "services/CGenericWeb.h"

#include <memory>

namespace quillmere::app {

// The outside world as the wizard's pages reach it: the machine's profile, the user (message
// boxes and questions), the web and the account service.
struct WizardServices {
    std::unique_ptr<platform::PlatformProfile> profile;
    std::unique_ptr<UserDialogs> dialogs;
    std::unique_ptr<services::CGenericWeb> web;
    std::unique_ptr<services::AccountLogin> accountLogin;
};

}  // namespace quillmere::app
