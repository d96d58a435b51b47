#include "store/LoginHash.h"

#include "platform/Utf.h"

#include <cstdint>

namespace quillmere::store {

namespace {

std::u16string decimal(std::uint32_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

std::string LoginHash::accountEntropy(std::u16string_view login, platform::CodePage codePage) {
    return codePage.toAnsi(platform::asciiLower(login));
}

std::u16string LoginHash::GetLoginHash(std::u16string_view login, platform::CodePage codePage) {
    std::uint32_t h = 0;
    for (const char byte : accountEntropy(login, codePage)) {
        h = h * 101u +
            static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(byte)));
    }
    return decimal(h);
}

std::u16string LoginHash::taskPageHash(std::u16string_view login) {
    std::uint32_t h = 0;
    for (const char16_t unit : platform::asciiLower(login)) {
        h = h * 101u + unit;
    }
    return decimal(h);
}

}  // namespace quillmere::store
