#pragma once

#include "image/NearestColor.h"
#include "image/Picture.h"

namespace quillmere::image {

// The pixel operations of the conversion: reduction to the standard palette and fitting into a
// box on a white canvas.
class PictureOps {
  public:
    // A true-colour picture becomes 8 bits per pixel on the standard palette, without error
    // diffusion; an indexed picture is returned as it is.
    static Picture reduceTo8Bits(Picture picture);

    // The size a picture of w x h takes in box W x H: shrunk keeping its aspect ratio if it
    // exceeds the box (sizes truncated), unchanged otherwise.
    static void fittedSize(int w, int h, int boxW, int boxH, int& outW, int& outH);

    // Re-expresses an indexed picture in another palette (nearest colours); its transparent
    // pixels take `transparentIndex` when there is one.
    static Picture remapToPalette(const Picture& picture, const std::vector<Rgb>& palette,
                                  int transparentIndex, const NearestColor& search);

    // Shrinks an indexed picture into the box when it exceeds it (bilinear), then centres it on a
    // canvas of exactly W x H filled with white. The palette and transparent index stay.
    // `search` is over the picture's palette; frames sharing a palette share one.
    static Picture fitIntoBox(const Picture& picture, int boxW, int boxH,
                              const NearestColor& search);
    static Picture fitIntoBox(const Picture& picture, int boxW, int boxH);
};

}  // namespace quillmere::image
