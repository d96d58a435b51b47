#pragma once

#include <filesystem>
#include <functional>

namespace quillmere::platform {

// Writes a file so that readers see either the old file or the whole new one: the content goes to
// a reserved name in the target's folder, which is renamed over the target once complete and
// removed when anything fails.
class FileReplacement {
  public:
    // `fill` writes the temporary file it is given and reports success.
    static bool replace(const std::filesystem::path& target,
                        const std::function<bool(const std::filesystem::path& temporary)>& fill);
};

}  // namespace quillmere::platform
