#include "store/Base64.h"

#include <array>

namespace quillmere::store {

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<int, 256> makeDecodeTable() {
    std::array<int, 256> table{};
    for (auto& entry : table) {
        entry = -1;
    }
    for (size_t i = 0; i < kAlphabet.size(); ++i) {
        table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int>(i);
    }
    return table;
}

constexpr std::array<int, 256> kDecode = makeDecodeTable();

}  // namespace

std::string Base64::encode(platform::ByteView data) {
    std::string out;
    out.reserve((data.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 3 <= data.size(); i += 3) {
        const unsigned v = data[i] << 16 | data[i + 1] << 8 | data[i + 2];
        out.push_back(kAlphabet[v >> 18]);
        out.push_back(kAlphabet[(v >> 12) & 63]);
        out.push_back(kAlphabet[(v >> 6) & 63]);
        out.push_back(kAlphabet[v & 63]);
    }
    const size_t rest = data.size() - i;
    if (rest > 0) {
        const unsigned v = data[i] << 16 | (rest == 2 ? data[i + 1] << 8 : 0);
        out.push_back(kAlphabet[v >> 18]);
        out.push_back(kAlphabet[(v >> 12) & 63]);
        out.push_back(rest == 2 ? kAlphabet[(v >> 6) & 63] : '=');
        out.push_back('=');
    }
    return out;
}

platform::Bytes Base64::decode(std::string_view text) {
    platform::Bytes out;
    out.reserve(text.size() / 4 * 3 + 2);
    unsigned group = 0;
    int count = 0;
    for (char c : text) {
        const int value = kDecode[static_cast<unsigned char>(c)];
        if (value < 0) {
            break;
        }
        group = group << 6 | static_cast<unsigned>(value);
        if (++count == 4) {
            out.push_back(static_cast<std::uint8_t>(group >> 16));
            out.push_back(static_cast<std::uint8_t>(group >> 8));
            out.push_back(static_cast<std::uint8_t>(group));
            group = 0;
            count = 0;
        }
    }
    if (count == 3) {
        group <<= 6;
        out.push_back(static_cast<std::uint8_t>(group >> 16));
        out.push_back(static_cast<std::uint8_t>(group >> 8));
    } else if (count == 2) {
        group <<= 12;
        out.push_back(static_cast<std::uint8_t>(group >> 16));
    }
    return out;
}

}  // namespace quillmere::store
