#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace quillmere::platform {

// Windows paths are case-insensitive and Linux paths are not, so folders named by the messenger
// or the registry are looked up one component at a time.
class PathLookup {
  public:
    // Resolves `relative` below `base`, matching each component without regard to letter case (an
    // exact match wins). Components that do not exist are kept as given, so the result still
    // names where the entry would be.
    static std::filesystem::path resolveNoCase(const std::filesystem::path& base,
                                               const std::filesystem::path& relative);

    // Whether a name taken from a file (a picture's Location, a TRF name) stays a plain entry of
    // its folder: not empty, not "." or "..", no separator.
    static bool isPlainName(std::u16string_view name);

    // Maps "C:\users\bob\AppData" into a Wine prefix through dosdevices/ (drive_c for C: when the
    // prefix has no dosdevices entry). Nothing for paths without a drive letter.
    static std::optional<std::filesystem::path> fromWindowsPath(const std::filesystem::path& prefix,
                                                                std::u16string_view windowsPath);
};

}  // namespace quillmere::platform
