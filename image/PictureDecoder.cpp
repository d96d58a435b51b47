#include "image/PictureDecoder.h"

#include "image/BmpDecoder.h"
#include "image/GifReader.h"
#include "image/ImageLimits.h"
#include "image/JpegDecoder.h"
#include "image/PngDecoder.h"
#include "image/TiffDecoder.h"

#include <fstream>

namespace quillmere::image {

namespace {

std::optional<DecodedSource> tryFormat(PictureFormat format, platform::ByteView bytes) {
    DecodedSource source;
    source.format = format;
    std::optional<Picture> picture;
    switch (format) {
        case PictureFormat::Gif: {
            const auto info = GifReader::inspect(bytes, kFrameLimit);
            if (!info) {
                return std::nullopt;
            }
            source.frameCount = info->frameCount;
            source.screenWidth = info->screenWidth;
            source.screenHeight = info->screenHeight;
            GifReader::decode(bytes, 1, [&picture](Picture&& frame) {
                picture = std::move(frame);
                return false;
            });
            break;
        }
        case PictureFormat::Tiff:
            source.frameCount = TiffDecoder::pageCount(bytes);
            picture = source.frameCount > 0 ? TiffDecoder::decode(bytes, 0) : std::nullopt;
            break;
        case PictureFormat::Bmp:
            picture = BmpDecoder::decode(bytes);
            break;
        case PictureFormat::Jpeg:
            picture = JpegDecoder::decode(bytes);
            break;
        case PictureFormat::Png:
            picture = PngDecoder::decode(bytes);
            break;
    }
    if (!picture) {
        return std::nullopt;
    }
    if (source.screenWidth <= 0 || source.screenHeight <= 0) {
        source.screenWidth = picture->width;
        source.screenHeight = picture->height;
    }
    source.first = std::move(*picture);
    return source;
}

}  // namespace

std::optional<DecodedSource> PictureDecoder::decode(platform::ByteView bytes) {
    // The GIF request first; when it fails, the content decides in this order.
    for (PictureFormat format : {PictureFormat::Gif, PictureFormat::Bmp, PictureFormat::Jpeg,
                                 PictureFormat::Png, PictureFormat::Tiff}) {
        if (auto source = tryFormat(format, bytes)) {
            return source;
        }
    }
    return std::nullopt;
}

bool PictureDecoder::decodeFrames(platform::ByteView bytes, PictureFormat format, int maxFrames,
                                  const std::function<bool(Picture&&)>& sink) {
    if (format == PictureFormat::Gif) {
        return GifReader::decode(bytes, maxFrames, sink);
    }
    if (format != PictureFormat::Tiff) {
        return false;
    }
    std::uint64_t total = 0;
    for (int page = 0; page < maxFrames; ++page) {
        auto picture = TiffDecoder::decode(bytes, page);
        if (!picture) {
            return false;
        }
        total += static_cast<std::uint64_t>(picture->width) *
                 static_cast<std::uint64_t>(picture->height) * 4;
        if (total > kMaxAnimationBytes) {
            return false;
        }
        if (!sink(std::move(*picture))) {
            break;
        }
    }
    return true;
}

std::optional<platform::Bytes> PictureDecoder::readFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return std::nullopt;
    }
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaxFileBytes) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    platform::Bytes bytes(static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (!in || static_cast<std::uintmax_t>(in.gcount()) != size) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace quillmere::image
