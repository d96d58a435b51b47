#pragma once

#include "image/Picture.h"

#include <vector>

namespace quillmere::image {

// Plays an animation whose frames cover only parts of its logical screen, so that each frame can
// be resized on its own: every frame becomes the whole screen as a viewer shows it (frames drawn
// in order, transparent pixels letting earlier ones through, disposal honoured), on white where
// nothing was drawn, reduced to the standard palette.
class FrameComposer {
  public:
    static std::vector<Picture> compose(const std::vector<Picture>& frames, int screenWidth,
                                        int screenHeight);

    // Whether any frame leaves part of the screen to earlier frames.
    static bool hasPartialFrames(const std::vector<Picture>& frames, int screenWidth,
                                 int screenHeight);
};

}  // namespace quillmere::image
