#pragma once

#include "platform/Bytes.h"
#include "platform/CodePage.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere::services {
class CQuiLoggerBase;
}

namespace quillmere::store {

// The log lines of one page's copy of CreateMsnObj; empty texts are not logged.
struct MsnObjBuildWording {
    std::u16string_view start;
    std::u16string_view leaving;
    std::u16string_view caught;

    static const MsnObjBuildWording kSilent;
};

// MSN object descriptors: the one-line XML element that names a picture, its size and its SHA-1
// digests.
class MsnObject {
  public:
    // "{SHA}" and the Base64 of the SHA-1 digest of the bytes: 33 characters.
    static std::string Sha1Base64(platform::ByteView bytes);
    // What callers keep of Sha1Base64: the text after a leading "{SHA}".
    static std::string withoutShaPrefix(std::string text);

    // The SHA1D of a file, or nothing when it cannot be read.
    static std::optional<std::u16string> fileSha1D(const std::filesystem::path& file);

    // The full form over folder/fileName, with Location = fileName; empty when the file cannot
    // be read. The check text is hashed in `codePage`.
    static std::u16string CreateMsnObj(const std::filesystem::path& folder,
                                       std::u16string_view fileName, long type,
                                       std::u16string_view creator, platform::CodePage codePage,
                                       const services::CQuiLoggerBase* log,
                                       const MsnObjBuildWording& wording);

    // The full form from its parts.
    static std::u16string fullForm(std::u16string_view creator, long long size, long type,
                                   std::u16string_view location, std::u16string_view sha1d,
                                   platform::CodePage codePage);

    // The Messenger 8 form over a picture; built even when the picture is missing (then with an
    // empty SHA1D and size 0).
    static std::u16string messenger8Form(std::u16string_view creator,
                                         const std::filesystem::path& picture,
                                         std::u16string_view friendlyName);
};

}  // namespace quillmere::store
