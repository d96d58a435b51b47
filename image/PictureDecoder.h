#pragma once

#include "image/Picture.h"
#include "platform/Bytes.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace quillmere::image {

enum class PictureFormat { Bmp, Gif, Jpeg, Png, Tiff };

struct DecodedSource {
    PictureFormat format = PictureFormat::Gif;
    int frameCount = 0;   // images of a GIF, pages of a TIFF, 0 for formats without frames
    int screenWidth = 0;  // an animation's logical screen
    int screenHeight = 0;
    Picture first;
};

// Tries the decoders in the program's order (GIF, then BMP, JPEG, PNG and TIFF by content) and
// keeps every picture within the size limits.
class PictureDecoder {
  public:
    // Files beyond this size are not pictures the program takes.
    static constexpr std::uintmax_t kMaxFileBytes = 256u << 20;

    static std::optional<DecodedSource> decode(platform::ByteView bytes);

    // Frames 0 to maxFrames - 1 of a GIF or TIFF, in order; `sink` may stop the walk. False when
    // a frame cannot be decoded or the frames exceed the size limits.
    static bool decodeFrames(platform::ByteView bytes, PictureFormat format, int maxFrames,
                             const std::function<bool(Picture&&)>& sink);

    // The whole file, or nothing when it is missing, unreadable or too large.
    static std::optional<platform::Bytes> readFile(const std::filesystem::path& file);
};

}  // namespace quillmere::image
