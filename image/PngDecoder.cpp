#include "image/PngDecoder.h"

#include "image/ImageLimits.h"

#include <png.h>

#include <cstring>
#include <memory>

namespace quillmere::image {

namespace {

struct ImageFree {
    void operator()(png_image* image) const { png_image_free(image); }
};

constexpr png_color kWhite{255, 255, 255};

std::optional<Picture> readIndexed(png_image& image) {
    // Colour-mapped output keeps the palette; entries with no opacity mark transparency.
    image.format = PNG_FORMAT_RGBA_COLORMAP;
    const int width = static_cast<int>(image.width);
    const int height = static_cast<int>(image.height);
    std::vector<std::uint8_t> colormap(PNG_IMAGE_COLORMAP_SIZE(image));
    Picture p = Picture::makeIndexed(width, height, {});
    if (!png_image_finish_read(&image, nullptr, p.indices.data(), 0, colormap.data())) {
        return std::nullopt;
    }
    for (png_uint_32 i = 0; i < image.colormap_entries; ++i) {
        const std::uint8_t* c = colormap.data() + 4 * i;
        p.palette.push_back({c[0], c[1], c[2]});
        if (c[3] == 0 && p.transparentIndex < 0) {
            p.transparentIndex = static_cast<int>(i);
        }
    }
    p.bitsPerPixel = 8;
    return p;
}

std::optional<Picture> readTrueColor(png_image& image) {
    image.format = PNG_FORMAT_RGB;
    const int width = static_cast<int>(image.width);
    const int height = static_cast<int>(image.height);
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, &kWhite, rgb.data(), 0, nullptr)) {
        return std::nullopt;
    }
    Picture p = Picture::makeTrueColor(width, height);
    p.bitsPerPixel = 32;
    for (size_t i = 0; i < p.pixels.size(); ++i) {
        p.pixels[i] = {rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]};
    }
    return p;
}

}  // namespace

std::optional<Picture> PngDecoder::decode(platform::ByteView bytes) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) {
        return std::nullopt;
    }
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    const std::unique_ptr<png_image, ImageFree> guard(&image);
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) ||
        !withinPixelLimit(image.width, image.height)) {
        return std::nullopt;
    }
    const bool palette = (image.format & PNG_FORMAT_FLAG_COLORMAP) != 0;
    const bool lowBitGrey =
        (image.format & (PNG_FORMAT_FLAG_COLOR | PNG_FORMAT_FLAG_LINEAR | PNG_FORMAT_FLAG_ALPHA)) ==
        0;
    if (palette || lowBitGrey) {
        return readIndexed(image);
    }
    return readTrueColor(image);
}

}  // namespace quillmere::image
