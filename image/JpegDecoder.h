#pragma once

#include "image/Picture.h"
#include "platform/Bytes.h"

#include <optional>

namespace quillmere::image {

// JPEG through libjpeg. Grey pictures come out indexed on a grey ramp, colour and CMYK ones as
// true colour. A file that ends early or whose data is corrupt is refused.
class JpegDecoder {
  public:
    static std::optional<Picture> decode(platform::ByteView bytes);
};

}  // namespace quillmere::image
