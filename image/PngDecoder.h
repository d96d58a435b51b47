#pragma once

#include "image/Picture.h"
#include "platform/Bytes.h"

#include <optional>

namespace quillmere::image {

// PNG through libpng's simplified reader, which keeps its error handling inside libpng. Palette
// and grey pictures of 8 bits or fewer stay indexed; the rest is true colour, with any alpha
// blended onto white.
class PngDecoder {
  public:
    static std::optional<Picture> decode(platform::ByteView bytes);
};

}  // namespace quillmere::image
