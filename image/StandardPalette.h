#pragma once

#include "image/Picture.h"

#include <array>

namespace quillmere::image {

// The fixed 256-colour palette that true-colour pictures are reduced to: sixteen system colours,
// eighteen hue ramps of tints and shades, and twenty greys.
class StandardPalette {
  public:
    static const std::array<Rgb, 256>& colors();
};

}  // namespace quillmere::image
