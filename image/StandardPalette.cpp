#include "image/StandardPalette.h"

namespace quillmere::image {

namespace {

constexpr Rgb kHues[18] = {
    {255, 170, 0}, {255, 85, 0}, {255, 0, 0}, {255, 0, 85}, {255, 0, 170}, {255, 0, 255},
    {170, 0, 255}, {85, 0, 255}, {0, 0, 255}, {0, 85, 255}, {0, 170, 255}, {0, 255, 255},
    {0, 255, 170}, {0, 255, 85}, {0, 255, 0}, {85, 255, 0}, {170, 255, 0}, {255, 255, 0},
};

std::uint8_t tint(std::uint8_t component, int j) {
    switch (component) {
        case 255:
            return 255;
        case 170:
            return static_cast<std::uint8_t>(240 - 14 * j);
        case 85:
            return static_cast<std::uint8_t>(227 - 28 * j);
        default:
            return static_cast<std::uint8_t>(212 - 35 * j);
    }
}

std::uint8_t shade(std::uint8_t component, int j, bool pureHue) {
    switch (component) {
        case 255:
            return static_cast<std::uint8_t>(j == 0 && pureHue ? 254 : 255 - 35 * j);
        case 170:
            return static_cast<std::uint8_t>(170 - 24 * j);
        case 85:
            return static_cast<std::uint8_t>(85 - 12 * j);
        default:
            return 0;
    }
}

std::array<Rgb, 256> build() {
    std::array<Rgb, 256> p{};
    const Rgb first[10] = {{0, 0, 0},       {128, 0, 0},    {0, 128, 0},   {128, 128, 0},
                           {0, 0, 128},     {128, 0, 128},  {0, 128, 128}, {192, 192, 192},
                           {192, 220, 192}, {166, 202, 240}};
    size_t n = 0;
    for (const Rgb& c : first) {
        p[n++] = c;
    }
    for (const Rgb& hue : kHues) {
        auto onlyExtremes = [](std::uint8_t c) { return c == 0 || c == 255; };
        const bool pure = onlyExtremes(hue.r) && onlyExtremes(hue.g) && onlyExtremes(hue.b);
        for (int j = 0; j < 6; ++j) {
            p[n++] = {tint(hue.r, j), tint(hue.g, j), tint(hue.b, j)};
        }
        for (int j = 0; j < 6; ++j) {
            p[n++] = {shade(hue.r, j, pure), shade(hue.g, j, pure), shade(hue.b, j, pure)};
        }
    }
    for (int i = 0; i < 20; ++i) {
        const auto grey = static_cast<std::uint8_t>(242 - 12 * i);
        p[n++] = {grey, grey, grey};
    }
    const Rgb last[10] = {{255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},
                          {0, 255, 0},     {255, 255, 0},   {0, 0, 255},     {255, 0, 255},
                          {0, 255, 255},   {255, 255, 255}};
    for (const Rgb& c : last) {
        p[n++] = c;
    }
    return p;
}

}  // namespace

const std::array<Rgb, 256>& StandardPalette::colors() {
    static const std::array<Rgb, 256> palette = build();
    return palette;
}

}  // namespace quillmere::image
