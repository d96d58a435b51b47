#include "platform/NativeProfile.h"

#include <pwd.h>
#include <unistd.h>

namespace quillmere::platform {

NativeProfile::NativeProfile(Environment env) : PlatformProfile(std::move(env)) {}

std::string NativeProfile::userName() const {
    return environment().userName();
}

std::vector<std::string> NativeProfile::otherUserNames() const {
    const passwd* entry = getpwuid(getuid());
    if (entry == nullptr || entry->pw_name == nullptr) {
        return {};
    }
    return {entry->pw_name};
}

std::optional<std::filesystem::path> NativeProfile::profileRoamingAppData() const {
    std::filesystem::path data;
    if (auto xdg = environment().get("XDG_DATA_HOME")) {
        data = *xdg;
    } else {
        const std::string home = environment().homeDirectory();
        if (home.empty()) {
            return std::nullopt;
        }
        data = std::filesystem::path(home) / ".local" / "share";
    }
    return data / "quillmere" / "AppData" / "Roaming";
}

}  // namespace quillmere::platform
