#include "platform/Sha1.h"

#include "platform/OpenSslHandles.h"

#include <algorithm>
#include <stdexcept>

namespace quillmere::platform {

struct Sha1::State {
    MdCtx ctx{EVP_MD_CTX_new()};
};

Sha1::Sha1() : m_state(std::make_unique<State>()) {
    if (!m_state->ctx || EVP_DigestInit_ex(m_state->ctx.get(), EVP_sha1(), nullptr) != 1) {
        throw std::runtime_error("SHA-1 is not available");
    }
}

Sha1::~Sha1() = default;

Sha1& Sha1::update(ByteView data) {
    EVP_DigestUpdate(m_state->ctx.get(), data.data(), data.size());
    return *this;
}

Sha1Digest Sha1::finish() {
    Sha1Digest digest{};
    unsigned int length = 0;
    EVP_DigestFinal_ex(m_state->ctx.get(), digest.data(), &length);
    return digest;
}

Sha1Digest Sha1::of(ByteView data) {
    return Sha1().update(data).finish();
}

Bytes deriveKeyFromHash(const Sha1Digest& hash, size_t keyLength) {
    std::array<std::uint8_t, 64> inner{};
    std::array<std::uint8_t, 64> outer{};
    for (size_t i = 0; i < 64; ++i) {
        const std::uint8_t h = i < hash.size() ? hash[i] : 0;
        inner[i] = 0x36 ^ h;
        outer[i] = 0x5C ^ h;
    }
    const Sha1Digest first = Sha1::of(inner);
    const Sha1Digest second = Sha1::of(outer);
    std::array<std::uint8_t, 40> both{};
    std::copy(first.begin(), first.end(), both.begin());
    std::copy(second.begin(), second.end(), both.begin() + 20);
    return Bytes(both.begin(), both.begin() + std::min(keyLength, both.size()));
}

}  // namespace quillmere::platform
