#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace quillmere::platform {

// GetTempFileNameW: reserves a fresh name "<prefix><HEX>.tmp" in `folder` by creating the empty
// file exclusively. As on Windows only the first three characters of the prefix are used, and HEX
// is 1 to 4 upper-case hexadecimal digits of a counter that starts from the clock.
class TempFileName {
  public:
    static std::optional<std::filesystem::path> create(const std::filesystem::path& folder,
                                                       std::string_view prefix);
};

}  // namespace quillmere::platform
