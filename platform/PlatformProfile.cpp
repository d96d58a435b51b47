#include "platform/PlatformProfile.h"

#include "platform/NativeProfile.h"
#include "platform/UiLanguage.h"
#include "platform/Utf.h"
#include "platform/WinePrefixProfile.h"

#include <algorithm>

namespace quillmere::platform {

namespace {

bool isWinePrefix(const std::filesystem::path& folder) {
    std::error_code ec;
    return std::filesystem::is_regular_file(folder / "system.reg", ec) &&
           std::filesystem::is_regular_file(folder / "user.reg", ec) &&
           std::filesystem::is_directory(folder / "drive_c", ec);
}

std::optional<std::filesystem::path> pathFromVariable(const Environment& env, const char* name) {
    const auto value = env.get(name);
    return value ? std::optional<std::filesystem::path>(*value) : std::nullopt;
}

}  // namespace

PlatformProfile::PlatformProfile(Environment env) : m_env(std::move(env)) {}

PlatformProfile::~PlatformProfile() = default;

std::unique_ptr<PlatformProfile> PlatformProfile::detect(Environment env) {
    std::filesystem::path prefix;
    if (auto configured = env.get("WINEPREFIX")) {
        prefix = *configured;
    } else if (const std::string home = env.homeDirectory(); !home.empty()) {
        prefix = std::filesystem::path(home) / ".wine";
    }
    if (!prefix.empty() && isWinePrefix(prefix)) {
        return std::make_unique<WinePrefixProfile>(std::move(env), prefix);
    }
    return std::make_unique<NativeProfile>(std::move(env));
}

std::optional<std::filesystem::path> PlatformProfile::roamingAppData() const {
    if (auto overridden = pathFromVariable(m_env, "APPDATA")) {
        return overridden;
    }
    return profileRoamingAppData();
}

std::optional<std::filesystem::path> PlatformProfile::localAppData() const {
    if (auto overridden = pathFromVariable(m_env, "LOCALAPPDATA")) {
        return overridden;
    }
    return profileLocalAppData();
}

std::filesystem::path PlatformProfile::tempPath() const {
    std::filesystem::path folder = pathFromVariable(m_env, "TMPDIR").value_or("/tmp");
    if (!folder.native().ends_with('/')) {
        folder += "/";
    }
    return folder;
}

int PlatformProfile::uiLanguage() const {
    return GetUserDefaultLangID(m_env);
}

CodePage PlatformProfile::codePage() const {
    return CodePage(codePageForLanguage(uiLanguage()));
}

std::u16string PlatformProfile::ExpandEnvironmentStrings(std::u16string_view text) const {
    auto lookup = [this](const std::string& name) -> std::optional<std::string> {
        const std::string key = asciiLower(name);
        std::optional<std::filesystem::path> folder;
        if (key == "appdata") {
            folder = roamingAppData();
        } else if (key == "localappdata") {
            folder = localAppData();
        } else if (key == "temp" || key == "tmp") {
            folder = tempPath().parent_path();
        } else if (key == "username") {
            return userName();
        } else {
            return m_env.get(name);
        }
        return folder ? std::optional<std::string>(folder->string()) : std::nullopt;
    };
    std::u16string out;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t open = text.find(u'%', pos);
        const size_t close = open == std::u16string_view::npos ? open : text.find(u'%', open + 1);
        if (close == std::u16string_view::npos) {
            out.append(text.substr(pos));
            break;
        }
        out.append(text.substr(pos, open - pos));
        const auto value = lookup(utf8FromUtf16(text.substr(open + 1, close - open - 1)));
        if (value) {
            out += utf16FromUtf8(*value);
            pos = close + 1;
        } else {
            // Windows leaves an unknown %NAME% as it stands; its closing % may open the next.
            out.append(text.substr(open, close - open));
            pos = close;
        }
    }
    return out;
}

DataProtection PlatformProfile::dataProtection() const {
    const CodePage cp = codePage();
    std::vector<std::string> names{cp.toAnsi(utf16FromUtf8(userName()))};
    for (const std::string& other : otherUserNames()) {
        std::string name = cp.toAnsi(utf16FromUtf8(other));
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(std::move(name));
        }
    }
    return DataProtection(std::move(names));
}

}  // namespace quillmere::platform
