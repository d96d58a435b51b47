#include "platform/PathLookup.h"

#include "platform/Utf.h"

#include <string>

namespace quillmere::platform {

namespace {

std::optional<std::string> findEntryNoCase(const std::filesystem::path& folder,
                                           const std::string& name) {
    std::error_code ec;
    if (std::filesystem::exists(folder / name, ec)) {
        return name;
    }
    const std::string wanted = asciiLower(name);
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (asciiLower(candidate) == wanted) {
            return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace

std::filesystem::path PathLookup::resolveNoCase(const std::filesystem::path& base,
                                                const std::filesystem::path& relative) {
    std::filesystem::path current = base;
    bool found = true;
    for (const auto& part : relative) {
        const std::string name = part.string();
        if (name.empty() || name == "/" || name == ".") {
            continue;
        }
        const auto match = found ? findEntryNoCase(current, name) : std::nullopt;
        found = match.has_value();
        current /= match ? *match : name;
    }
    return current;
}

bool PathLookup::isPlainName(std::u16string_view name) {
    return !name.empty() && name != u"." && name != u".." &&
           name.find_first_of(u"/\\") == std::u16string_view::npos &&
           name.find(u'\0') == std::u16string_view::npos;
}

std::optional<std::filesystem::path> PathLookup::fromWindowsPath(
    const std::filesystem::path& prefix, std::u16string_view windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != u':') {
        return std::nullopt;
    }
    const char16_t letter = asciiLower(windowsPath.substr(0, 1))[0];
    if (letter < u'a' || letter > u'z') {
        return std::nullopt;
    }
    const std::string device = std::string(1, static_cast<char>(letter)) + ":";
    std::error_code ec;
    // dosdevices/c: is normally a link to ../drive_c; show the folder it names.
    std::filesystem::path drive = std::filesystem::canonical(prefix / "dosdevices" / device, ec);
    if (ec) {
        if (letter != u'c') {
            return std::nullopt;
        }
        drive = prefix / "drive_c";
    }
    std::string rest = utf8FromUtf16(windowsPath.substr(2));
    for (char& c : rest) {
        if (c == '\\') {
            c = '/';
        }
    }
    return resolveNoCase(drive, std::filesystem::path(rest).relative_path());
}

}  // namespace quillmere::platform
