#pragma once

#include "image/Picture.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace quillmere::test {

using ColorAt = std::function<image::Rgb(int x, int y)>;

// Writes test pictures with the libraries directly (PNG, BMP) or as plain bytes.
void writePng(const std::filesystem::path& file, int width, int height, const ColorAt& color);
void writeBmp24(const std::filesystem::path& file, int width, int height, const ColorAt& color);

// A GIF read back with giflib's own whole-file reader, independently of the program's reader.
struct GifFacts {
    struct Frame {
        int left, top, width, height;
        bool localColorMap;
        int disposal, delay, transparent;
        std::vector<std::uint8_t> pixels;
    };
    bool ok = false;
    std::string version;
    int screenWidth = 0, screenHeight = 0;
    std::vector<image::Rgb> globalColors;
    bool hasLoopExtension = false;
    int loopCount = -1;
    std::vector<Frame> frames;

    image::Rgb color(size_t frame, int x, int y) const;
};

GifFacts inspectGif(const std::filesystem::path& file);

}  // namespace quillmere::test
