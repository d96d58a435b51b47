#include "platform/StoreCipher.h"

#include "platform/Utf.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

namespace quillmere::platform {
namespace {

constexpr std::u16string_view kRecord = u"2\tSmile\t<msnobj Location=\"0\"/>\tKey\t:)\t";

Bytes recordBytes() {
    Bytes plain = utf16leBytes(kRecord);
    plain.push_back(0);
    plain.push_back(0);
    return plain;
}

TEST(StoreCipher, MatchesTheKeyAndCipherTextOfTheWindowsCryptoApi) {
    // Made by Wine's rsaenh with CryptDeriveKey(CALG_AES_128) over a SHA-1 hash of the PUID.
    const Bytes wine =
        test::readBytes(test::dataFile("storecipher/wine-puid-0006bffd8c1a7a2c.id2"));
    const StoreCipher cipher(u"0006bffd8c1a7a2c");
    EXPECT_EQ(cipher.decrypt(wine), recordBytes());
    EXPECT_EQ(cipher.encrypt(recordBytes()), wine);
}

TEST(StoreCipher, RefusesAnotherAccountsRecordsAndDamagedLengths) {
    const StoreCipher mine(u"0006bffd8c1a7a2c");
    const Bytes encrypted = *mine.encrypt(recordBytes());
    EXPECT_EQ(encrypted.size() % 16, 0u);
    // Another key almost always leaves bad padding; a partial block never decrypts.
    EXPECT_FALSE(StoreCipher(u"0006bffd8c1a7a2d").decrypt(encrypted));
    EXPECT_FALSE(mine.decrypt(ByteView(encrypted).first(encrypted.size() - 1)));
    EXPECT_FALSE(mine.decrypt({}));
    EXPECT_EQ(mine.key().size(), 16u);
}

}  // namespace
}  // namespace quillmere::platform
