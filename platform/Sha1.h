#pragma once

#include "platform/Bytes.h"

#include <array>
#include <memory>

namespace quillmere::platform {

using Sha1Digest = std::array<std::uint8_t, 20>;

// Incremental SHA-1, for digests that are fed from several pieces.
class Sha1 {
  public:
    Sha1();
    ~Sha1();
    Sha1(const Sha1&) = delete;
    Sha1& operator=(const Sha1&) = delete;

    Sha1& update(ByteView data);
    Sha1Digest finish();

    static Sha1Digest of(ByteView data);

  private:
    struct State;
    std::unique_ptr<State> m_state;
};

// CryptDeriveKey's expansion of a hash into key bytes: SHA-1(0x36 pad ^ H) || SHA-1(0x5C pad ^ H).
Bytes deriveKeyFromHash(const Sha1Digest& hash, size_t keyLength);

}  // namespace quillmere::platform
