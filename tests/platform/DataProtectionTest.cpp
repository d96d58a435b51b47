#include "platform/DataProtection.h"

#include "support/Fixtures.h"

#include <gtest/gtest.h>

namespace quillmere::platform {
namespace {

using namespace std::literals;

// Blobs made by Wine's CryptProtectData for the user "root" (see tests/data/README.md).
struct WineBlob {
    const char* file;
    std::string_view entropy;
    std::string_view plain;
};

const WineBlob kWineBlobs[] = {
    {"dataprotection/wine-root-entropy-kim-at-example.bin", "kim@example.com", "AAA=\0"sv},
    {"dataprotection/wine-root-entropy-kim.bin", "kim",
     "OgApAAkAUwBtAGkAbABlAAkAPABtAHMAbgBvAGIAagAgAEwAbwBjAGEAdABpAG8AbgA9ACIAYQBiAC4AZABhAHQAIgAv"
     "AD4ACQAAAA==\0"sv},
};

// The salt sits after the fixed header, the empty description and the algorithm fields.
constexpr size_t kSaltOffset = 4 + 16 + 4 + 16 + 4 + 4 + 2 + 4 + 4 + 4 + 16 + 4 + 4 + 4 + 4;

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

TEST(DataProtection, ReadsBlobsWrittenByWine) {
    const DataProtection protection({"someone-else", "root"});
    for (const auto& blob : kWineBlobs) {
        const auto plain = protection.CryptUnprotectData(test::readBytes(test::dataFile(blob.file)),
                                                         asBytes(blob.entropy));
        ASSERT_TRUE(plain) << blob.file;
        EXPECT_EQ(*plain, bytesOf(blob.plain));
    }
}

TEST(DataProtection, WritesTheSameBytesAsWineForTheSameSalt) {
    const DataProtection protection({"root"});
    for (const auto& blob : kWineBlobs) {
        const Bytes wine = test::readBytes(test::dataFile(blob.file));
        ASSERT_GT(wine.size(), kSaltOffset + 16);
        const ByteView salt = ByteView(wine).subspan(kSaltOffset, 16);
        EXPECT_EQ(protection.protectWithSalt(bytesOf(blob.plain), u"", asBytes(blob.entropy), salt),
                  wine)
            << blob.file;
    }
}

TEST(DataProtection, RoundTripsWithAFreshSaltEachTime) {
    const DataProtection protection({"bob"});
    const Bytes data = bytesOf("any bytes\0at all"sv);
    const auto first = protection.CryptProtectData(data, u"", asBytes("kim"));
    const auto second = protection.CryptProtectData(data, u"", asBytes("kim"));
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    EXPECT_EQ(protection.CryptUnprotectData(*first, asBytes("kim")), data);
    EXPECT_EQ(protection.CryptProtectData({}, u"", {}).has_value(), true);
}

TEST(DataProtection, RefusesForeignDamagedAndTruncatedBlobs) {
    const DataProtection bob({"bob"});
    const Bytes blob = *bob.CryptProtectData(bytesOf("AAA=\0"sv), u"", asBytes("kim"));
    auto changed = [&](size_t offset, std::uint8_t value) {
        Bytes copy = blob;
        copy[offset] = value;
        return copy;
    };
    const struct {
        const char* what;
        Bytes blob;
        std::string_view entropy;
        std::vector<std::string> users;
    } cases[] = {
        {"another user", blob, "kim", {"alice"}},
        {"other entropy", blob, "kim2", {"bob"}},
        {"no entropy", blob, "", {"bob"}},
        {"truncated by one byte", Bytes(blob.begin(), blob.end() - 1), "kim", {"bob"}},
        {"empty", {}, "kim", {"bob"}},
        {"header bytes only", {0x03, 0x04}, "kim", {"bob"}},
        {"count0 not 1", changed(0, 2), "kim", {"bob"}},
        {"wrong magic", changed(4, 'X'), "kim", {"bob"}},
        {"count1 not 1", changed(20, 0), "kim", {"bob"}},
        {"null0 not 0", changed(40, 1), "kim", {"bob"}},
        {"description overruns", changed(44, 0xff), "kim", {"bob"}},
        {"key bits 128", changed(54, 128), "kim", {"bob"}},
        {"salt changed", changed(kSaltOffset, blob[kSaltOffset] ^ 1), "kim", {"bob"}},
        {"cipher changed", changed(blob.size() - 30, blob[blob.size() - 30] ^ 1), "kim", {"bob"}},
        {"fingerprint changed", changed(blob.size() - 1, blob.back() ^ 1), "kim", {"bob"}},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(DataProtection(c.users).CryptUnprotectData(c.blob, asBytes(c.entropy)))
            << c.what;
    }
    EXPECT_TRUE(DataProtection({"alice", "bob"}).CryptUnprotectData(blob, asBytes("kim")));
}

}  // namespace
}  // namespace quillmere::platform
