#pragma once

#include "image/Picture.h"
#include "platform/Bytes.h"

#include <functional>
#include <optional>

namespace quillmere::image {

// Reads GIF files with giflib. Frames come as their own images (size, offset, palette,
// transparent index, delay, disposal), not composed onto the logical screen.
class GifReader {
  public:
    struct Info {
        int frameCount = 0;
        int screenWidth = 0;
        int screenHeight = 0;
    };

    // Walks the file without decoding pixels. Nothing when it is no GIF, has no image, or its
    // first `frameLimit` frames exceed the size limits.
    static std::optional<Info> inspect(platform::ByteView bytes, int frameLimit);

    // Decodes up to `maxFrames` frames in order and hands each to `sink`, which may stop the walk
    // by returning false. A frame whose data ends early keeps what it has and ends the walk.
    // False when not even the first frame decodes.
    static bool decode(platform::ByteView bytes, int maxFrames,
                       const std::function<bool(Picture&&)>& sink);
};

}  // namespace quillmere::image
