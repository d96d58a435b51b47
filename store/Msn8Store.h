#pragma once

#include "platform/Bytes.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere::platform {
class PlatformProfile;
}
namespace quillmere::services {
class CQuiLoggerBase;
}

namespace quillmere::store {

struct Id2Record {
    std::u16string shortcut;  // field 4
    std::u16string name;      // field 1
    std::u16string msnObj;    // field 2
};

// The Messenger 8 store: per emoticon a picture (.dt2) and an AES-encrypted record (.id2) under
// the account identifier's key, in one folder per login.
class Msn8Store {
  public:
    static constexpr size_t kReadBuffer = 10240;
    static constexpr size_t kWriteLimit = 1000;

    // <local application data>/Microsoft/Messenger/<login>/ObjectStore/CustomEmoticons, each
    // component found without regard to letter case. Nothing without a local folder.
    static std::optional<std::filesystem::path> storeFolder(
        const platform::PlatformProfile& profile, std::u16string_view login);

    // The record text of an .id2 file, or nothing when it does not decrypt under this account (or
    // is longer than the messenger's buffer).
    static std::optional<std::u16string> ReadId2File(platform::ByteView bytes,
                                                     std::u16string_view puid);
    // Fields 4, 1 and 2 of a record; logs the record, or the format error.
    static std::optional<Id2Record> parseId2Record(std::u16string_view text,
                                                   const services::CQuiLoggerBase* log);
    // A record file's fields, or nothing when it cannot be read, decrypted or parsed.
    static std::optional<Id2Record> readRecordFile(const std::filesystem::path& id2,
                                                   std::u16string_view puid,
                                                   const services::CQuiLoggerBase* log);

    // The .id2 files of a folder in name order.
    static std::vector<std::filesystem::path> listId2Files(const std::filesystem::path& folder);
    // The trimmed, non-empty shortcuts of every readable record.
    static std::vector<std::u16string> CollectId2Shortcuts(const std::filesystem::path& folder,
                                                           std::u16string_view puid);

    // Writes the .id2 beside a .dt2 picture. False (and nothing written) when the record cannot
    // be encrypted within the messenger's 1000 bytes or the file cannot be written.
    static bool WriteId2File(std::u16string_view shortcut, std::u16string_view name,
                             const std::filesystem::path& picture, std::u16string_view creator,
                             std::u16string_view puid);

    // The cipher text of a record with its NUL unit; nothing when it would not fit the 1000 bytes
    // the messenger declares (records of up to 494 characters fit).
    static std::optional<platform::Bytes> encryptRecord(std::u16string_view record,
                                                        std::u16string_view puid);

    // The picture's SHA1D, or empty when it cannot be read.
    static std::u16string GetMsn8NewGifName(const std::filesystem::path& picture);
    // The .dt2 base name of a SHA1D: every "/" written as "2F".
    static std::u16string dt2BaseName(std::u16string_view sha1d);
};

}  // namespace quillmere::store
