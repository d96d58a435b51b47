#include "platform/DataProtection.h"

#include "platform/BlockCipher.h"
#include "platform/Sha1.h"
#include "platform/Utf.h"

#include <openssl/crypto.h>
#include <openssl/rand.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace quillmere::platform {

namespace {

constexpr std::string_view kMagic{"Wine Crypt32 ok\0", 16};
constexpr std::string_view kSaltMagic{"I'm hunting wabbits"};
constexpr std::uint32_t kCipherAlg3Des = 0x6603;
constexpr std::uint32_t kCipherKeyBits = 168;
constexpr std::uint32_t kHashAlgSha1 = 0x8004;
constexpr std::uint32_t kHashBits = 160;
constexpr size_t kSaltLength = 16;
constexpr size_t kKeyLength = 24;

class BlobWriter {
  public:
    void u32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            m_out.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    void raw(ByteView bytes) { m_out.insert(m_out.end(), bytes.begin(), bytes.end()); }
    void sized(ByteView bytes) {
        u32(static_cast<std::uint32_t>(bytes.size()));
        raw(bytes);
    }
    Bytes take() { return std::move(m_out); }

  private:
    Bytes m_out;
};

// Reads the blob front to back; any read past the end marks it bad and yields zeros/empties.
class BlobReader {
  public:
    explicit BlobReader(ByteView blob) : m_blob(blob) {}

    std::uint32_t u32() {
        const ByteView b = raw(4);
        if (b.size() != 4) {
            return 0;
        }
        return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
               static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    }
    ByteView raw(size_t length) {
        if (!m_ok || length > m_blob.size() - m_pos) {
            m_ok = false;
            return {};
        }
        const ByteView out = m_blob.subspan(m_pos, length);
        m_pos += length;
        return out;
    }
    ByteView sized() { return raw(u32()); }
    bool ok() const { return m_ok; }

  private:
    ByteView m_blob;
    size_t m_pos = 0;
    bool m_ok = true;
};

struct ParsedBlob {
    ByteView salt;
    ByteView cipherText;
    ByteView fingerprint;
};

bool equals(ByteView bytes, std::string_view text) {
    return bytes.size() == text.size() && std::memcmp(bytes.data(), text.data(), text.size()) == 0;
}

std::optional<ParsedBlob> parseBlob(ByteView blob) {
    BlobReader r(blob);
    const std::uint32_t count0 = r.u32();
    const ByteView info0 = r.raw(kMagic.size());
    const std::uint32_t count1 = r.u32();
    r.raw(kMagic.size());
    const std::uint32_t null0 = r.u32();
    r.sized();  // description
    r.u32();    // cipher id: the key is 3DES whatever it says, as in the format's origin
    const std::uint32_t keyBits = r.u32();
    r.sized();  // data0 (magic)
    const std::uint32_t null1 = r.u32();
    r.u32();  // hash id
    r.u32();  // hash bits
    ParsedBlob parsed;
    parsed.salt = r.sized();
    parsed.cipherText = r.sized();
    parsed.fingerprint = r.sized();
    if (!r.ok() || count0 != 1 || count1 != 1 || null0 != 0 || null1 != 0 ||
        !equals(info0, kMagic) || (keyBits != 168 && keyBits != 192)) {
        return std::nullopt;
    }
    return parsed;
}

Bytes deriveKey(const std::string& userName, ByteView salt, ByteView entropy) {
    Sha1 hash;
    hash.update(asBytes(std::string_view(userName.c_str(), userName.size() + 1)));
    hash.update(asBytes(kSaltMagic));
    hash.update(salt);
    hash.update(entropy);
    return deriveKeyFromHash(hash.finish(), kKeyLength);
}

}  // namespace

DataProtection::DataProtection(std::vector<std::string> userNames)
    : m_userNames(std::move(userNames)) {
    if (m_userNames.empty()) {
        m_userNames.emplace_back();
    }
}

std::optional<Bytes> DataProtection::CryptProtectData(ByteView data,
                                                      std::u16string_view description,
                                                      ByteView entropy) const {
    std::array<std::uint8_t, kSaltLength> salt{};
    if (RAND_bytes(salt.data(), static_cast<int>(salt.size())) != 1) {
        return std::nullopt;
    }
    return protectWithSalt(data, description, entropy, salt);
}

std::optional<Bytes> DataProtection::protectWithSalt(ByteView data, std::u16string_view description,
                                                     ByteView entropy, ByteView salt) const {
    const Bytes key = deriveKey(m_userNames.front(), salt, entropy);
    const std::optional<Bytes> cipherText = cbcEncrypt(EVP_des_ede3_cbc(), key, data);
    if (!cipherText) {
        return std::nullopt;
    }
    Bytes descr = utf16leBytes(description);
    descr.push_back(0);
    descr.push_back(0);
    const Sha1Digest fingerprint = Sha1::of(data);

    BlobWriter w;
    w.u32(1);
    w.raw(asBytes(kMagic));
    w.u32(1);
    w.raw(asBytes(kMagic));
    w.u32(0);
    w.sized(descr);
    w.u32(kCipherAlg3Des);
    w.u32(kCipherKeyBits);
    w.sized(asBytes(kMagic));
    w.u32(0);
    w.u32(kHashAlgSha1);
    w.u32(kHashBits);
    w.sized(salt);
    w.sized(*cipherText);
    w.sized(fingerprint);
    return w.take();
}

std::optional<Bytes> DataProtection::CryptUnprotectData(ByteView blob, ByteView entropy) const {
    const std::optional<ParsedBlob> parsed = parseBlob(blob);
    if (!parsed) {
        return std::nullopt;
    }
    for (const std::string& user : m_userNames) {
        const Bytes key = deriveKey(user, parsed->salt, entropy);
        std::optional<Bytes> plain = cbcDecrypt(EVP_des_ede3_cbc(), key, parsed->cipherText);
        if (!plain) {
            continue;
        }
        const Sha1Digest digest = Sha1::of(*plain);
        if (parsed->fingerprint.size() == digest.size() &&
            CRYPTO_memcmp(parsed->fingerprint.data(), digest.data(), digest.size()) == 0) {
            return plain;
        }
    }
    return std::nullopt;
}

}  // namespace quillmere::platform
