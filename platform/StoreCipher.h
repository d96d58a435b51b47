#pragma once

#include "platform/Bytes.h"

#include <optional>
#include <string_view>

namespace quillmere::platform {

// The Messenger 8 store key: AES-128 derived, as CryptDeriveKey does, from SHA-1 over the
// account identifier's UTF-16LE bytes; CBC, zero IV, PKCS#7 padding.
class StoreCipher {
  public:
    explicit StoreCipher(std::u16string_view puid);

    const Bytes& key() const { return m_key; }

    std::optional<Bytes> encrypt(ByteView plain) const;
    std::optional<Bytes> decrypt(ByteView encrypted) const;

  private:
    Bytes m_key;
};

}  // namespace quillmere::platform
