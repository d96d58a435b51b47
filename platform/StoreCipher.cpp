#include "platform/StoreCipher.h"

#include "platform/BlockCipher.h"
#include "platform/Sha1.h"
#include "platform/Utf.h"

namespace quillmere::platform {

StoreCipher::StoreCipher(std::u16string_view puid)
    : m_key(deriveKeyFromHash(Sha1::of(utf16leBytes(puid)), 16)) {}

std::optional<Bytes> StoreCipher::encrypt(ByteView plain) const {
    return cbcEncrypt(EVP_aes_128_cbc(), m_key, plain);
}

std::optional<Bytes> StoreCipher::decrypt(ByteView encrypted) const {
    return cbcDecrypt(EVP_aes_128_cbc(), m_key, encrypted);
}

}  // namespace quillmere::platform
