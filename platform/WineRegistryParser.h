#pragma once

#include "platform/RegistryHive.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace quillmere::platform {

// Read-only reader of Wine's text registry files (user.reg, system.reg): "[Key\\Path] time"
// sections, "Name"= and @= values of the str, str(N), dword, hex and hex(N) kinds, with Wine's
// string escapes. Lines it does not understand are skipped, so a damaged file still yields what
// it holds.
class WineRegistryParser {
  public:
    static constexpr std::uintmax_t kMaxFileBytes = 128u << 20;

    static RegistryHive parse(std::string_view text);
    // Nothing when the file is missing, unreadable or larger than kMaxFileBytes.
    static std::optional<RegistryHive> load(const std::filesystem::path& file);
};

}  // namespace quillmere::platform
