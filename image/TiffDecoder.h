#pragma once

#include "image/Picture.h"
#include "platform/Bytes.h"

#include <optional>

namespace quillmere::image {

// TIFF through libtiff's RGBA reader; each page is a frame.
class TiffDecoder {
  public:
    // Pages in the file; 0 when it is no TIFF.
    static int pageCount(platform::ByteView bytes);
    static std::optional<Picture> decode(platform::ByteView bytes, int page);
};

}  // namespace quillmere::image
