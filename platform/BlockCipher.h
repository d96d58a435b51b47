#pragma once

#include "platform/Bytes.h"

#include <openssl/evp.h>

#include <optional>

namespace quillmere::platform {

// One-shot CBC encryption or decryption with an all-zero IV and PKCS#5/#7 padding, the default
// parameters of a CryptoAPI session key. Decryption fails on bad padding or a partial block.
std::optional<Bytes> cbcEncrypt(const EVP_CIPHER* cipher, ByteView key, ByteView plain);
std::optional<Bytes> cbcDecrypt(const EVP_CIPHER* cipher, ByteView key, ByteView encrypted);

}  // namespace quillmere::platform
