#pragma once

#include <cstdint>

namespace quillmere::image {

// Beyond these a picture is not decodable, so that no input can exhaust memory.
inline constexpr std::uint64_t kMaxPixels = 64ull * 1000 * 1000;
inline constexpr std::uint64_t kMaxAnimationBytes = 256ull << 20;  // frames decoded at 32 bits
inline constexpr int kFrameLimit = 1000;

inline bool withinPixelLimit(std::uint64_t width, std::uint64_t height) {
    return width > 0 && height > 0 && width <= kMaxPixels && height <= kMaxPixels &&
           width * height <= kMaxPixels;
}

}  // namespace quillmere::image
