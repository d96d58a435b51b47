#include "platform/TempFileName.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>

namespace quillmere::platform {

std::optional<std::filesystem::path> TempFileName::create(const std::filesystem::path& folder,
                                                          std::string_view prefix) {
    // The counter starts from the clock once and then moves on, so that many names reserved in
    // one millisecond do not each probe every name taken before them.
    static std::atomic<unsigned> next{[] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<unsigned>(
            std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }()};
    unsigned start = next.fetch_add(1) & 0xFFFF;
    if (start == 0) {
        start = 1;
    }
    const std::string stem(prefix.substr(0, 3));
    unsigned unique = start;
    do {
        char hex[16];
        std::snprintf(hex, sizeof(hex), "%X", unique);
        const std::filesystem::path candidate = folder / (stem + hex + ".tmp");
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            next.store(unique + 1);
            return candidate;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
        unique = (unique & 0xFFFF) == 0xFFFF ? 1 : unique + 1;
    } while (unique != start);
    return std::nullopt;
}

}  // namespace quillmere::platform
