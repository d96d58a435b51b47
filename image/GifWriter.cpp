#include "image/GifWriter.h"

#include "platform/FileReplacement.h"

#include <gif_lib.h>

#include <cstdio>
#include <memory>

namespace quillmere::image {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

struct MapFree {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColorMap = std::unique_ptr<ColorMapObject, MapFree>;

int writeToFile(GifFileType* gif, const GifByteType* data, int length) {
    auto* file = static_cast<std::FILE*>(gif->UserData);
    return static_cast<int>(std::fwrite(data, 1, static_cast<size_t>(length), file));
}

ColorMap makeColorMap(const std::vector<Rgb>& palette) {
    int size = 2;
    while (size < static_cast<int>(palette.size()) && size < 256) {
        size *= 2;
    }
    std::vector<GifColorType> colors(static_cast<size_t>(size), GifColorType{0, 0, 0});
    for (size_t i = 0; i < palette.size() && i < colors.size(); ++i) {
        colors[i] = {palette[i].r, palette[i].g, palette[i].b};
    }
    return ColorMap(GifMakeMapObject(size, colors.data()));
}

bool putLoopExtension(GifFileType* gif) {
    static const GifByteType kNetscape[] = "NETSCAPE2.0";
    const GifByteType loop[3] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR &&
           EGifPutExtensionBlock(gif, 11, kNetscape) != GIF_ERROR &&
           EGifPutExtensionBlock(gif, 3, loop) != GIF_ERROR &&
           EGifPutExtensionTrailer(gif) != GIF_ERROR;
}

bool putFrame(GifFileType* gif, const Picture& frame) {
    GraphicsControlBlock control{
        frame.disposal, false, frame.delay,
        frame.transparentIndex >= 0 ? frame.transparentIndex : NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
            GIF_ERROR ||
        EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, false, nullptr) ==
            GIF_ERROR) {
        return false;
    }
    std::vector<GifPixelType> row(static_cast<size_t>(frame.width));
    for (int y = 0; y < frame.height; ++y) {
        const auto* source =
            frame.indices.data() + static_cast<size_t>(y) * static_cast<size_t>(frame.width);
        row.assign(source, source + frame.width);
        if (EGifPutLine(gif, row.data(), frame.width) == GIF_ERROR) {
            return false;
        }
    }
    return true;
}

bool encode(std::FILE* file, const std::vector<Picture>& frames, bool animation) {
    int error = 0;
    GifFileType* gif = EGifOpen(file, writeToFile, &error);
    if (gif == nullptr) {
        return false;
    }
    EGifSetGifVersion(gif, true);
    const Picture& first = frames.front();
    const ColorMap map = makeColorMap(first.palette);
    bool ok = map &&
              EGifPutScreenDesc(gif, first.width, first.height, 8, 0, map.get()) != GIF_ERROR &&
              (!animation || putLoopExtension(gif));
    for (size_t i = 0; ok && i < frames.size(); ++i) {
        ok = putFrame(gif, frames[i]);
    }
    // Closing frees the handle whatever happened.
    const bool closed = EGifCloseFile(gif, &error) != GIF_ERROR;
    return ok && closed;
}

}  // namespace

bool GifWriter::write(const std::filesystem::path& target, const std::vector<Picture>& frames,
                      bool animation) {
    if (frames.empty()) {
        return false;
    }
    return platform::FileReplacement::replace(target, [&](const std::filesystem::path& temporary) {
        // EGifCloseFile leaves a FILE that it was handed through EGifOpen open.
        File file(std::fopen(temporary.c_str(), "wb"));
        const bool ok =
            file && encode(file.get(), frames, animation) && std::fflush(file.get()) == 0;
        return file && std::fclose(file.release()) == 0 && ok;
    });
}

}  // namespace quillmere::image
