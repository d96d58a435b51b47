#include "image/TiffDecoder.h"

#include "image/ImageLimits.h"

#include <tiffio.h>

#include <cstring>
#include <memory>

namespace quillmere::image {

namespace {

struct MemoryFile {
    platform::ByteView bytes;
    toff_t position = 0;
};

tmsize_t readProc(thandle_t handle, void* buffer, tmsize_t size) {
    auto* f = static_cast<MemoryFile*>(handle);
    if (size < 0 || f->position >= f->bytes.size()) {
        return 0;
    }
    const size_t n =
        std::min(static_cast<size_t>(size), static_cast<size_t>(f->bytes.size() - f->position));
    std::memcpy(buffer, f->bytes.data() + f->position, n);
    f->position += n;
    return static_cast<tmsize_t>(n);
}

tmsize_t writeProc(thandle_t, void*, tmsize_t) {
    return 0;
}

toff_t seekProc(thandle_t handle, toff_t offset, int whence) {
    auto* f = static_cast<MemoryFile*>(handle);
    toff_t base = 0;
    if (whence == SEEK_CUR) {
        base = f->position;
    } else if (whence == SEEK_END) {
        base = f->bytes.size();
    }
    f->position = base + offset;
    return f->position;
}

int closeProc(thandle_t) {
    return 0;
}

toff_t sizeProc(thandle_t handle) {
    return static_cast<MemoryFile*>(handle)->bytes.size();
}

int mapProc(thandle_t, void**, toff_t*) {
    return 0;
}

void unmapProc(thandle_t, void*, toff_t) {}

struct TiffCloser {
    void operator()(TIFF* tif) const { TIFFClose(tif); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

TiffHandle open(MemoryFile& file) {
    // libtiff reports through process-wide handlers; bad input is ours to judge, not to print.
    static const bool silenced = [] {
        TIFFSetErrorHandler(nullptr);
        TIFFSetWarningHandler(nullptr);
        return true;
    }();
    (void)silenced;
    const auto b = file.bytes;
    if (b.size() < 8 || !((b[0] == 'I' && b[1] == 'I') || (b[0] == 'M' && b[1] == 'M'))) {
        return nullptr;
    }
    return TiffHandle(TIFFClientOpen("memory", "rm", &file, readProc, writeProc, seekProc,
                                     closeProc, sizeProc, mapProc, unmapProc));
}

}  // namespace

int TiffDecoder::pageCount(platform::ByteView bytes) {
    MemoryFile file{bytes};
    const TiffHandle tif = open(file);
    return tif ? static_cast<int>(TIFFNumberOfDirectories(tif.get())) : 0;
}

std::optional<Picture> TiffDecoder::decode(platform::ByteView bytes, int page) {
    MemoryFile file{bytes};
    const TiffHandle tif = open(file);
    if (!tif || (page > 0 && !TIFFSetDirectory(tif.get(), static_cast<tdir_t>(page)))) {
        return std::nullopt;
    }
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    TIFFGetField(tif.get(), TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tif.get(), TIFFTAG_IMAGELENGTH, &height);
    if (!withinPixelLimit(width, height)) {
        return std::nullopt;
    }
    std::vector<std::uint32_t> raster(static_cast<size_t>(width) * height);
    if (!TIFFReadRGBAImageOriented(tif.get(), width, height, raster.data(), ORIENTATION_TOPLEFT,
                                   1)) {
        return std::nullopt;
    }
    Picture p = Picture::makeTrueColor(static_cast<int>(width), static_cast<int>(height));
    std::uint16_t bits = 8;
    std::uint16_t samples = 1;
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tif.get(), TIFFTAG_SAMPLESPERPIXEL, &samples);
    p.bitsPerPixel = bits * samples;
    for (size_t i = 0; i < raster.size(); ++i) {
        const std::uint32_t v = raster[i];
        // Alpha is blended onto white, as for PNG.
        const unsigned a = TIFFGetA(v);
        auto blend = [a](unsigned c) {
            return static_cast<std::uint8_t>((c * 255 + 255 * (255 - a)) / 255);
        };
        p.pixels[i] = a == 255 ? Rgb{static_cast<std::uint8_t>(TIFFGetR(v)),
                                     static_cast<std::uint8_t>(TIFFGetG(v)),
                                     static_cast<std::uint8_t>(TIFFGetB(v))}
                               : Rgb{blend(TIFFGetR(v)), blend(TIFFGetG(v)), blend(TIFFGetB(v))};
    }
    return p;
}

}  // namespace quillmere::image
