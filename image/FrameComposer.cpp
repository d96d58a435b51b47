#include "image/FrameComposer.h"

#include "image/PictureOps.h"

#include <algorithm>

namespace quillmere::image {

namespace {

constexpr Rgb kWhite{255, 255, 255};

struct Screen {
    int width;
    int height;
    std::vector<Rgb> pixels;

    Rgb& at(int x, int y) {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};

void draw(Screen& screen, const Picture& frame) {
    for (int y = 0; y < frame.height; ++y) {
        const int sy = frame.top + y;
        if (sy < 0 || sy >= screen.height) {
            continue;
        }
        for (int x = 0; x < frame.width; ++x) {
            const int sx = frame.left + x;
            if (sx < 0 || sx >= screen.width) {
                continue;
            }
            const size_t i =
                static_cast<size_t>(y) * static_cast<size_t>(frame.width) + static_cast<size_t>(x);
            if (!frame.indexed || frame.indices[i] != frame.transparentIndex) {
                screen.at(sx, sy) = frame.colorAt(x, y);
            }
        }
    }
}

void clearArea(Screen& screen, const Picture& frame) {
    for (int y = std::max(0, frame.top); y < std::min(screen.height, frame.top + frame.height);
         ++y) {
        for (int x = std::max(0, frame.left); x < std::min(screen.width, frame.left + frame.width);
             ++x) {
            screen.at(x, y) = kWhite;
        }
    }
}

}  // namespace

bool FrameComposer::hasPartialFrames(const std::vector<Picture>& frames, int screenWidth,
                                     int screenHeight) {
    return std::any_of(frames.begin(), frames.end(), [&](const Picture& f) {
        return f.left != 0 || f.top != 0 || f.width != screenWidth || f.height != screenHeight;
    });
}

std::vector<Picture> FrameComposer::compose(const std::vector<Picture>& frames, int screenWidth,
                                            int screenHeight) {
    Screen screen{
        screenWidth, screenHeight,
        std::vector<Rgb>(static_cast<size_t>(screenWidth) * static_cast<size_t>(screenHeight),
                         kWhite)};
    std::vector<Picture> out;
    out.reserve(frames.size());
    for (const Picture& frame : frames) {
        const std::vector<Rgb> before = frame.disposal == 3 ? screen.pixels : std::vector<Rgb>();
        draw(screen, frame);
        Picture shown = Picture::makeTrueColor(screenWidth, screenHeight);
        shown.pixels = screen.pixels;
        shown.delay = frame.delay;
        shown.bitsPerPixel = frame.bitsPerPixel;
        out.push_back(PictureOps::reduceTo8Bits(std::move(shown)));
        if (frame.disposal == 2) {
            clearArea(screen, frame);
        } else if (frame.disposal == 3) {
            screen.pixels = before;
        }
    }
    return out;
}

}  // namespace quillmere::image
