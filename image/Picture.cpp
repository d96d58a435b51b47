#include "image/Picture.h"

namespace quillmere::image {

Picture Picture::makeIndexed(int width, int height, std::vector<Rgb> palette) {
    Picture p;
    p.width = width;
    p.height = height;
    p.indexed = true;
    p.palette = std::move(palette);
    p.indices.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    return p;
}

Picture Picture::makeTrueColor(int width, int height) {
    Picture p;
    p.width = width;
    p.height = height;
    p.bitsPerPixel = 24;
    p.indexed = false;
    p.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), Rgb{});
    return p;
}

}  // namespace quillmere::image
