#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillmere::image {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

// One decoded picture or animation frame: either 8 bits per pixel with a palette, or true colour
// (alpha already dropped).
struct Picture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 8;  // as the source had it
    bool indexed = false;
    std::vector<Rgb> palette;           // indexed: up to 256 entries
    std::vector<std::uint8_t> indices;  // indexed: width * height
    std::vector<Rgb> pixels;            // true colour: width * height
    int transparentIndex = -1;          // indexed only; -1 for none
    int delay = 0;                      // hundredths of a second
    int left = 0;                       // offset within the animation's logical screen
    int top = 0;
    int disposal = 0;

    static Picture makeIndexed(int width, int height, std::vector<Rgb> palette);
    static Picture makeTrueColor(int width, int height);

    Rgb colorAt(int x, int y) const {
        const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                              static_cast<std::size_t>(x);
        if (!indexed) {
            return pixels[i];
        }
        const std::uint8_t index = indices[i];
        return index < palette.size() ? palette[index] : Rgb{};
    }
};

}  // namespace quillmere::image
