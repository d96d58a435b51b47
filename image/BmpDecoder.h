#pragma once

#include "image/Picture.h"
#include "platform/Bytes.h"

#include <optional>

namespace quillmere::image {

// Windows and OS/2 bitmaps: 1, 2, 4 and 8 bits with a palette (uncompressed, RLE4, RLE8), 16, 24
// and 32 bits (uncompressed or with bit fields), bottom-up or top-down. Every length and offset
// is checked against the file.
class BmpDecoder {
  public:
    static std::optional<Picture> decode(platform::ByteView bytes);
};

}  // namespace quillmere::image
