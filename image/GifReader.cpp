#include "image/GifReader.h"

#include "image/ImageLimits.h"

#include <gif_lib.h>

#include <cstring>
#include <memory>

namespace quillmere::image {

namespace {

struct MemorySource {
    platform::ByteView bytes;
    size_t position = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
    auto* source = static_cast<MemorySource*>(gif->UserData);
    const size_t available = source->bytes.size() - source->position;
    const size_t n = std::min(available, static_cast<size_t>(std::max(length, 0)));
    if (n > 0) {
        std::memcpy(buffer, source->bytes.data() + source->position, n);
    }
    source->position += n;
    return static_cast<int>(n);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

GifHandle open(MemorySource& source) {
    int error = 0;
    return GifHandle(DGifOpen(&source, readFromMemory, &error));
}

// Skips the data blocks after an extension introducer.
bool skipExtensionBlocks(GifFileType* gif, GifByteType* block) {
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
            return false;
        }
    }
    return true;
}

bool skipImageData(GifFileType* gif) {
    int codeSize = 0;
    GifByteType* block = nullptr;
    if (DGifGetCode(gif, &codeSize, &block) == GIF_ERROR) {
        return false;
    }
    while (block != nullptr) {
        if (DGifGetCodeNext(gif, &block) == GIF_ERROR) {
            return false;
        }
    }
    return true;
}

std::vector<Rgb> paletteOf(const ColorMapObject* map) {
    std::vector<Rgb> palette;
    if (map == nullptr || map->Colors == nullptr) {
        // No colour table at all: a grey ramp keeps the picture readable.
        for (int i = 0; i < 256; ++i) {
            palette.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i),
                               static_cast<std::uint8_t>(i)});
        }
        return palette;
    }
    for (int i = 0; i < map->ColorCount && i < 256; ++i) {
        palette.push_back({map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue});
    }
    return palette;
}

int bitsOf(const ColorMapObject* map) {
    return map != nullptr ? std::max(1, map->BitsPerPixel) : 8;
}

// Reads the rows of the current image; false when the data ends early (the rows read stay).
bool readRows(GifFileType* gif, Picture& picture, bool interlaced) {
    const int w = picture.width;
    const int h = picture.height;
    auto row = [&](int y) {
        return picture.indices.data() + static_cast<size_t>(y) * static_cast<size_t>(w);
    };
    if (!interlaced) {
        for (int y = 0; y < h; ++y) {
            if (DGifGetLine(gif, row(y), w) == GIF_ERROR) {
                return false;
            }
        }
        return true;
    }
    constexpr int kStart[4] = {0, 4, 2, 1};
    constexpr int kStep[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = kStart[pass]; y < h; y += kStep[pass]) {
            if (DGifGetLine(gif, row(y), w) == GIF_ERROR) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

std::optional<GifReader::Info> GifReader::inspect(platform::ByteView bytes, int frameLimit) {
    MemorySource source{bytes};
    GifHandle gif = open(source);
    if (!gif) {
        return std::nullopt;
    }
    Info info{0, gif->SWidth, gif->SHeight};
    std::uint64_t decodedBytes = 0;
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    do {
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) {
            break;  // a damaged tail: count what came before it
        }
        if (record == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif.get()) == GIF_ERROR) {
                break;
            }
            const auto& d = gif->Image;
            if (info.frameCount < frameLimit) {
                if (!withinPixelLimit(static_cast<std::uint64_t>(std::max(d.Width, 0)),
                                      static_cast<std::uint64_t>(std::max(d.Height, 0)))) {
                    return std::nullopt;
                }
                decodedBytes +=
                    static_cast<std::uint64_t>(d.Width) * static_cast<std::uint64_t>(d.Height) * 4;
                if (decodedBytes > kMaxAnimationBytes) {
                    return std::nullopt;
                }
            }
            ++info.frameCount;
            if (!skipImageData(gif.get())) {
                break;
            }
        } else if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR ||
                !skipExtensionBlocks(gif.get(), block)) {
                break;
            }
        }
    } while (record != TERMINATE_RECORD_TYPE);
    if (info.frameCount == 0) {
        return std::nullopt;
    }
    return info;
}

bool GifReader::decode(platform::ByteView bytes, int maxFrames,
                       const std::function<bool(Picture&&)>& sink) {
    MemorySource source{bytes};
    GifHandle gif = open(source);
    if (!gif) {
        return false;
    }
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    int decoded = 0;
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    while (decoded < maxFrames) {
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR || record == TERMINATE_RECORD_TYPE) {
            break;
        }
        if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR) {
                break;
            }
            if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
                DGifExtensionToGCB(block[0], block + 1, &control);
            }
            if (!skipExtensionBlocks(gif.get(), block)) {
                break;
            }
            continue;
        }
        if (record != IMAGE_DESC_RECORD_TYPE || DGifGetImageDesc(gif.get()) == GIF_ERROR) {
            break;
        }
        const GifImageDesc& d = gif->Image;
        if (!withinPixelLimit(static_cast<std::uint64_t>(std::max(d.Width, 0)),
                              static_cast<std::uint64_t>(std::max(d.Height, 0)))) {
            break;
        }
        const ColorMapObject* map = d.ColorMap != nullptr ? d.ColorMap : gif->SColorMap;
        Picture frame = Picture::makeIndexed(d.Width, d.Height, paletteOf(map));
        frame.bitsPerPixel = bitsOf(map);
        frame.left = d.Left;
        frame.top = d.Top;
        frame.delay = control.DelayTime;
        frame.disposal = control.DisposalMode;
        const int transparent = control.TransparentColor;
        frame.transparentIndex =
            transparent >= 0 && transparent < static_cast<int>(frame.palette.size()) ? transparent
                                                                                     : -1;
        control = {DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
        const bool complete = readRows(gif.get(), frame, d.Interlace);
        ++decoded;
        if (!sink(std::move(frame)) || !complete) {
            break;
        }
    }
    return decoded > 0;
}

}  // namespace quillmere::image
