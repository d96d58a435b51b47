#pragma once

#include "image/Picture.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace quillmere::image {

// Finds, for a colour, the palette index with the smallest sum of squared differences of red,
// green and blue; on equal sums the lower index wins. Colour space is cut into cells; a cell
// learns, the first time a colour falls into it, which few entries can be nearest to any colour
// inside it, so a search looks at those instead of the whole palette.
class NearestColor {
  public:
    explicit NearestColor(std::span<const Rgb> palette);

    // The standard palette's search, with every cell learnt up front, shared and read-only.
    static const NearestColor& standard();
    // The search for this palette: the shared one for the standard palette, else `local`.
    static const NearestColor& forPalette(const std::vector<Rgb>& palette,
                                          std::optional<NearestColor>& local);

    std::uint8_t find(Rgb color) const;

  private:
    void learnAll();
    static constexpr int kLevels = 16;  // cells per channel
    static constexpr int kCellSide = 256 / kLevels;

    void learnCell(size_t cell, int r, int g, int b) const;

    std::vector<Rgb> m_palette;
    // Learnt lazily by find(); a shared instance has learnt everything and never changes.
    mutable std::vector<std::int32_t> m_cellStart;  // into m_candidates; -1 until learnt
    mutable std::vector<std::uint8_t> m_cellCount;
    mutable std::vector<std::uint8_t> m_candidates;  // per cell, in index order
};

}  // namespace quillmere::image
