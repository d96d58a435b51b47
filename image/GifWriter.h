#pragma once

#include "image/Picture.h"

#include <filesystem>
#include <vector>

namespace quillmere::image {

// Writes indexed pictures as a GIF89a file: logical screen of the first picture's size, a global
// colour table of the first picture's palette, background index 0; for an animation the
// NETSCAPE2.0 extension with endless looping; per image a graphic control extension and the
// image without a local colour table.
class GifWriter {
  public:
    // The file is written under a temporary name beside the target and renamed when complete,
    // so a failure never leaves a half-written target. False when it cannot be written.
    static bool write(const std::filesystem::path& target, const std::vector<Picture>& frames,
                      bool animation);
};

}  // namespace quillmere::image
