#pragma once

#include "platform/Bytes.h"
#include "platform/DataProtection.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere::store {

enum class ProtectedReadFailure { None, Missing, Empty, Refused };

struct ProtectedReadResult {
    ProtectedReadFailure failure = ProtectedReadFailure::None;
    std::u16string text;

    bool ok() const { return failure == ProtectedReadFailure::None; }
};

enum class ProtectedWriteResult { Written, ProtectRefused, WriteFailed };

// The pre-8 store's map.dat and TRF files: 0x03 0x04 and a data-protection blob around the
// Base64 of the UTF-16LE text with its NUL unit, followed by one zero byte.
class ProtectedTextFile {
  public:
    struct SizeLimit {
        std::uintmax_t bytes;
        bool truncates;  // read the first `bytes` bytes, rather than refuse a longer file
    };
    // The map file is read into a 40960-byte buffer, so only its first 40959 bytes count.
    static constexpr SizeLimit kMapFile{40959, true};
    // TRF files are read whole; beyond this size a file is not a TRF file.
    static constexpr SizeLimit kTrfFile{64u << 20, false};

    // An unreadable or refused-size file throws std::runtime_error, which the calling page
    // reports as its exception case.
    static ProtectedReadResult read(const std::filesystem::path& path, platform::ByteView entropy,
                                    const platform::DataProtection& protection, SizeLimit limit);

    static ProtectedWriteResult write(const std::filesystem::path& path, std::u16string_view text,
                                      platform::ByteView entropy,
                                      const platform::DataProtection& protection);

    // The protected bytes of a text: its wrapped form and one zero byte.
    static platform::Bytes wrap(std::u16string_view text);
    // Base64-decodes the unprotected bytes and reads UTF-16LE up to the first NUL unit; without
    // one, up to the last whole unit.
    static std::u16string unwrap(platform::ByteView plain);
};

}  // namespace quillmere::store
