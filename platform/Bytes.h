#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quillmere::platform {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

inline ByteView asBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace quillmere::platform
