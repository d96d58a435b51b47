#include "platform/WinePrefixProfile.h"

#include "platform/PathLookup.h"
#include "platform/Utf.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>

namespace quillmere::platform {

namespace {

constexpr std::u16string_view kShellFolders =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct NamedVersion {
    std::u16string_view name;
    WindowsVersion version;
};

// The names winecfg writes for the Windows version it imitates.
constexpr NamedVersion kWineVersions[] = {
    {u"win11", {10, 0}},    {u"win10", {10, 0}},  {u"win81", {6, 3}},   {u"win8", {6, 2}},
    {u"win2008r2", {6, 1}}, {u"win7", {6, 1}},    {u"win2008", {6, 0}}, {u"vista", {6, 0}},
    {u"win2003", {5, 2}},   {u"winxp64", {5, 2}}, {u"winxp", {5, 1}},   {u"win2k", {5, 0}},
    {u"winme", {4, 90}},    {u"win98", {4, 10}},  {u"win95", {4, 0}},   {u"nt40", {4, 0}},
    {u"nt351", {3, 51}},    {u"win31", {3, 10}},  {u"win30", {3, 0}},   {u"win20", {2, 0}},
};

std::optional<WindowsVersion> parseDottedVersion(std::u16string_view text) {
    const std::string s = utf8FromUtf16(text);
    WindowsVersion v;
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, v.major);
    if (ec != std::errc()) {
        return std::nullopt;
    }
    if (p < end && *p == '.') {
        std::from_chars(p + 1, end, v.minor);
    }
    return v;
}

bool isSharedUserFolder(const std::string& name) {
    const std::string lower = asciiLower(name);
    return lower == "public" || lower == "default" || lower == "default user" ||
           lower == "all users";
}

}  // namespace

WinePrefixProfile::WinePrefixProfile(Environment env, std::filesystem::path prefix)
    : PlatformProfile(std::move(env)),
      m_prefix(std::move(prefix)),
      m_registry(Registry::fromWinePrefix(m_prefix)) {}

std::optional<WindowsVersion> WinePrefixProfile::windowsVersion() const {
    if (auto name =
            m_registry.queryText(RegistryRoot::CurrentUser, u"Software\\Wine", u"Version")) {
        const std::u16string lower = asciiLower(*name);
        for (const auto& known : kWineVersions) {
            if (known.name == lower) {
                return known.version;
            }
        }
    }
    constexpr std::u16string_view nt = u"Software\\Microsoft\\Windows NT\\CurrentVersion";
    const auto major =
        m_registry.queryValue(RegistryRoot::LocalMachine, nt, u"CurrentMajorVersionNumber");
    if (major && major->dword()) {
        const auto minor =
            m_registry.queryValue(RegistryRoot::LocalMachine, nt, u"CurrentMinorVersionNumber");
        return WindowsVersion{*major->dword(), minor && minor->dword() ? *minor->dword() : 0};
    }
    if (auto text = m_registry.queryText(RegistryRoot::LocalMachine, nt, u"CurrentVersion")) {
        if (auto parsed = parseDottedVersion(*text)) {
            return parsed;
        }
    }
    return WindowsVersion{10, 0};
}

std::optional<std::string> WinePrefixProfile::userFromShellFolders() const {
    for (const char16_t* value : {u"AppData", u"Local AppData", u"Personal", u"Desktop"}) {
        const auto path = m_registry.queryText(RegistryRoot::CurrentUser, kShellFolders, value);
        if (!path) {
            continue;
        }
        // C:\users\<user>\...
        const std::u16string lower = asciiLower(*path);
        const size_t start = lower.find(u"\\users\\");
        if (start == std::u16string::npos) {
            continue;
        }
        const size_t from = start + 7;
        const size_t end = path->find(u'\\', from);
        const std::u16string user =
            path->substr(from, end == std::u16string::npos ? end : end - from);
        if (!user.empty()) {
            return utf8FromUtf16(user);
        }
    }
    return std::nullopt;
}

std::vector<std::string> WinePrefixProfile::userFolders() const {
    std::vector<std::string> names;
    const auto users = PathLookup::resolveNoCase(m_prefix, "drive_c/users");
    std::error_code ec;
    for (std::filesystem::directory_iterator it(users, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (it->is_directory(ec) && !isSharedUserFolder(name)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string WinePrefixProfile::userName() const {
    if (auto fromRegistry = userFromShellFolders()) {
        return *fromRegistry;
    }
    const std::string own = environment().userName();
    const std::vector<std::string> folders = userFolders();
    const auto match = std::find_if(folders.begin(), folders.end(), [&](const std::string& f) {
        return asciiLower(f) == asciiLower(own);
    });
    if (match != folders.end() || folders.empty()) {
        return match != folders.end() ? *match : own;
    }
    return folders.front();
}

std::vector<std::string> WinePrefixProfile::otherUserNames() const {
    std::vector<std::string> names{environment().userName()};
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_name != nullptr) {
        names.emplace_back(entry->pw_name);
    }
    for (std::string& folder : userFolders()) {
        names.push_back(std::move(folder));
    }
    return names;
}

std::optional<std::filesystem::path> WinePrefixProfile::shellFolder(
    std::u16string_view valueName, std::initializer_list<const char*> fallbacks) const {
    std::vector<std::filesystem::path> candidates;
    if (auto value = m_registry.queryText(RegistryRoot::CurrentUser, kShellFolders, valueName)) {
        if (auto mapped = PathLookup::fromWindowsPath(m_prefix, *value)) {
            candidates.push_back(*mapped);
        }
    }
    const std::filesystem::path home =
        PathLookup::resolveNoCase(m_prefix, std::filesystem::path("drive_c/users") / userName());
    for (const char* relative : fallbacks) {
        candidates.push_back(PathLookup::resolveNoCase(home, relative));
    }
    std::error_code ec;
    for (const auto& candidate : candidates) {
        if (std::filesystem::is_directory(candidate, ec)) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> WinePrefixProfile::profileRoamingAppData() const {
    if (auto found = shellFolder(u"AppData", {"AppData/Roaming", "Application Data"})) {
        return found;
    }
    // %APPDATA% always expands in a prefix; the messenger would create the folder.
    return PathLookup::resolveNoCase(
        m_prefix, std::filesystem::path("drive_c/users") / userName() / "AppData/Roaming");
}

std::optional<std::filesystem::path> WinePrefixProfile::profileLocalAppData() const {
    return shellFolder(u"Local AppData", {"AppData/Local", "Local Settings/Application Data"});
}

}  // namespace quillmere::platform
