#pragma once

#include "platform/Bytes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere::platform {

// CryptProtectData / CryptUnprotectData in the blob format of Wine's crypt32, so that a messenger
// running in a Wine prefix reads what we write and we read what it wrote. This is compatibility
// with that format, not secrecy: the key is derived from the user name and public constants.
class DataProtection {
  public:
    // User names in the 8-bit code page. The first one protects; unprotecting tries each in turn
    // and the fingerprint tells which one made the blob.
    explicit DataProtection(std::vector<std::string> userNames);

    std::optional<Bytes> CryptProtectData(ByteView data, std::u16string_view description,
                                          ByteView entropy) const;
    std::optional<Bytes> CryptUnprotectData(ByteView blob, ByteView entropy) const;

    // As above with the salt given, so that a blob can be reproduced byte for byte.
    std::optional<Bytes> protectWithSalt(ByteView data, std::u16string_view description,
                                         ByteView entropy, ByteView salt) const;

  private:
    std::vector<std::string> m_userNames;
};

}  // namespace quillmere::platform
