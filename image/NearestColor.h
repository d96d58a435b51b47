#pragma once

#include "image/Picture.h"

#include <array>
#include <span>
#include <vector>

namespace quillmere::image {

// Finds, for a colour, the palette index with the smallest sum of squared differences of red,
// green and blue; on equal sums the lower index wins. Answers are cached, so a picture costs one
// search per distinct colour rather than one per pixel.
class NearestColor {
  public:
    explicit NearestColor(std::span<const Rgb> palette);

    std::uint8_t find(Rgb color);

  private:
    std::uint8_t search(Rgb color) const;

    struct Entry {
        Rgb color;
        std::uint8_t index;
    };
    std::vector<Entry> m_byRed;  // the palette sorted by red, for pruning the search
    static constexpr size_t kCacheSize = 1 << 14;
    std::vector<std::uint32_t> m_cacheKeys;  // colour | kValid
    std::vector<std::uint8_t> m_cacheValues;
};

}  // namespace quillmere::image
