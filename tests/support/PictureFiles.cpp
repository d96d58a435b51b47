#include "support/PictureFiles.h"

#include <gif_lib.h>
#include <png.h>

#include <cstring>
#include <fstream>

namespace quillmere::test {

void writePng(const std::filesystem::path& file, int width, int height, const ColorAt& color) {
    std::vector<std::uint8_t> rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const image::Rgb c = color(x, y);
            std::uint8_t* p =
                rgb.data() +
                (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
            p[0] = c.r;
            p[1] = c.g;
            p[2] = c.b;
        }
    }
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    png_image_write_to_file(&image, file.c_str(), 0, rgb.data(), 0, nullptr);
    png_image_free(&image);
}

void writeBmp24(const std::filesystem::path& file, int width, int height, const ColorAt& color) {
    const int stride = (width * 3 + 3) & ~3;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(stride * height);
    std::vector<std::uint8_t> b(54 + dataSize, 0);
    auto put32 = [&b](size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            b[at + static_cast<size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
        }
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<std::uint32_t>(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const image::Rgb c = color(x, y);
            const size_t at = 54 +
                              static_cast<size_t>(height - 1 - y) * static_cast<size_t>(stride) +
                              static_cast<size_t>(x) * 3;
            b[at] = c.b;
            b[at + 1] = c.g;
            b[at + 2] = c.r;
        }
    }
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

image::Rgb GifFacts::color(size_t frame, int x, int y) const {
    const Frame& f = frames.at(frame);
    const std::uint8_t index =
        f.pixels.at(static_cast<size_t>(y) * static_cast<size_t>(f.width) + static_cast<size_t>(x));
    return index < globalColors.size() ? globalColors[index] : image::Rgb{};
}

GifFacts inspectGif(const std::filesystem::path& file) {
    GifFacts facts;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(file.c_str(), &error);
    if (gif == nullptr) {
        return facts;
    }
    if (DGifSlurp(gif) == GIF_OK) {
        facts.ok = true;
        std::ifstream in(file, std::ios::binary);
        char version[7] = {};
        in.read(version, 6);
        facts.version = version;
        facts.screenWidth = gif->SWidth;
        facts.screenHeight = gif->SHeight;
        if (gif->SColorMap != nullptr) {
            for (int i = 0; i < gif->SColorMap->ColorCount; ++i) {
                const auto& c = gif->SColorMap->Colors[i];
                facts.globalColors.push_back({c.Red, c.Green, c.Blue});
            }
        }
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage& image = gif->SavedImages[i];
            GifFacts::Frame frame{image.ImageDesc.Left,
                                  image.ImageDesc.Top,
                                  image.ImageDesc.Width,
                                  image.ImageDesc.Height,
                                  image.ImageDesc.ColorMap != nullptr,
                                  -1,
                                  -1,
                                  -1,
                                  {}};
            GraphicsControlBlock gcb;
            if (DGifSavedExtensionToGCB(gif, i, &gcb) == GIF_OK) {
                frame.disposal = gcb.DisposalMode;
                frame.delay = gcb.DelayTime;
                frame.transparent = gcb.TransparentColor;
            }
            frame.pixels.assign(image.RasterBits,
                                image.RasterBits + static_cast<size_t>(frame.width) *
                                                       static_cast<size_t>(frame.height));
            for (int e = 0; e < image.ExtensionBlockCount; ++e) {
                const ExtensionBlock& block = image.ExtensionBlocks[e];
                if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                    std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0 &&
                    e + 1 < image.ExtensionBlockCount) {
                    const ExtensionBlock& data = image.ExtensionBlocks[e + 1];
                    facts.hasLoopExtension = true;
                    facts.loopCount = data.ByteCount >= 3 ? data.Bytes[1] | data.Bytes[2] << 8 : -1;
                }
            }
            facts.frames.push_back(std::move(frame));
        }
    }
    DGifCloseFile(gif, &error);
    return facts;
}

}  // namespace quillmere::test
