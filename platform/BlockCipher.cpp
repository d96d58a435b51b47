#include "platform/BlockCipher.h"

#include "platform/OpenSslHandles.h"

#include <array>
#include <climits>

namespace quillmere::platform {

namespace {

std::optional<Bytes> run(const EVP_CIPHER* cipher, ByteView key, ByteView input, int encrypt) {
    if (input.size() > static_cast<size_t>(INT_MAX) - 64 ||
        key.size() != static_cast<size_t>(EVP_CIPHER_get_key_length(cipher))) {
        return std::nullopt;
    }
    CipherCtx ctx(EVP_CIPHER_CTX_new());
    const std::array<std::uint8_t, EVP_MAX_IV_LENGTH> iv{};
    if (!ctx ||
        EVP_CipherInit_ex(ctx.get(), cipher, nullptr, key.data(), iv.data(), encrypt) != 1) {
        return std::nullopt;
    }
    Bytes out(input.size() + static_cast<size_t>(EVP_CIPHER_get_block_size(cipher)));
    int written = 0;
    int tail = 0;
    if (EVP_CipherUpdate(ctx.get(), out.data(), &written, input.data(),
                         static_cast<int>(input.size())) != 1 ||
        EVP_CipherFinal_ex(ctx.get(), out.data() + written, &tail) != 1) {
        return std::nullopt;
    }
    out.resize(static_cast<size_t>(written + tail));
    return out;
}

}  // namespace

std::optional<Bytes> cbcEncrypt(const EVP_CIPHER* cipher, ByteView key, ByteView plain) {
    return run(cipher, key, plain, 1);
}

std::optional<Bytes> cbcDecrypt(const EVP_CIPHER* cipher, ByteView key, ByteView encrypted) {
    return run(cipher, key, encrypted, 0);
}

}  // namespace quillmere::platform
