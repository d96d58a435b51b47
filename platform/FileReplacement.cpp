#include "platform/FileReplacement.h"

#include "platform/TempFileName.h"

namespace quillmere::platform {

bool FileReplacement::replace(const std::filesystem::path& target,
                              const std::function<bool(const std::filesystem::path&)>& fill) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    const auto temporary = TempFileName::create(folder, "qmr");
    if (!temporary) {
        return false;
    }
    std::error_code ec;
    bool ok = fill(*temporary);
    if (ok) {
        // Reserved names are private; the finished file is an ordinary one.
        using std::filesystem::perms;
        std::filesystem::permissions(
            *temporary,
            perms::owner_read | perms::owner_write | perms::group_read | perms::others_read, ec);
        std::filesystem::rename(*temporary, target, ec);
        ok = !ec;
    }
    if (!ok) {
        std::filesystem::remove(*temporary, ec);
    }
    return ok;
}

}  // namespace quillmere::platform
