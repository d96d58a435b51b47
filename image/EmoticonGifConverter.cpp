#include "image/EmoticonGifConverter.h"

#include "image/FrameComposer.h"
#include "image/GifWriter.h"
#include "image/ImageLimits.h"
#include "image/PictureDecoder.h"
#include "image/PictureOps.h"
#include "image/StandardPalette.h"
#include "platform/FileReplacement.h"

#include <algorithm>
#include <cmath>

namespace quillmere::image {

namespace {

ConvertOutcome convertStill(Picture picture, const std::filesystem::path& target, SizingRule rule) {
    picture = PictureOps::reduceTo8Bits(std::move(picture));
    int boxW = 0;
    int boxH = 0;
    EmoticonGifConverter::boxFor(rule, picture.width, picture.height, boxW, boxH);
    if (boxW != picture.width || boxH != picture.height) {
        picture = PictureOps::fitIntoBox(picture, boxW, boxH);
    }
    picture.left = 0;
    picture.top = 0;
    return GifWriter::write(target, {picture}, false) ? ConvertOutcome::Written
                                                      : ConvertOutcome::CannotWrite;
}

bool exceedsLargestSide(const Picture& p) {
    return p.width > EmoticonGifConverter::kLargestSide ||
           p.height > EmoticonGifConverter::kLargestSide;
}

// Delay, palette and size of one frame of a re-encoded animation; `search` is over the first
// frame's palette.
Picture prepareFrame(Picture frame, const Picture* first, const NearestColor& search) {
    constexpr int kSide = EmoticonGifConverter::kLargestSide;
    if (frame.delay == 0) {
        frame.delay = EmoticonGifConverter::kDefaultDelay;
    }
    // Frames are written without colour tables of their own, so each is put in the first
    // frame's palette rather than shown in colours it never had.
    if (first != nullptr) {
        frame = PictureOps::remapToPalette(frame, first->palette, first->transparentIndex, search);
    }
    if (exceedsLargestSide(frame)) {
        frame = PictureOps::fitIntoBox(frame, std::min(frame.width, kSide),
                                       std::min(frame.height, kSide), search);
    }
    frame.disposal = 2;
    return frame;
}

ConvertOutcome convertAnimation(const platform::Bytes& bytes, const DecodedSource& source,
                                const std::filesystem::path& sourcePath,
                                const std::filesystem::path& target) {
    std::vector<Picture> frames;
    const bool decoded = PictureDecoder::decodeFrames(
        bytes, source.format, std::min(source.frameCount, kFrameLimit), [&](Picture&& frame) {
            frames.push_back(PictureOps::reduceTo8Bits(std::move(frame)));
            return true;
        });
    if (!decoded || frames.empty()) {
        return ConvertOutcome::NotDecodable;
    }
    const bool fitting = std::any_of(frames.begin(), frames.end(), exceedsLargestSide);
    // Only a real GIF is worth copying as it is; other formats are re-encoded.
    if (!fitting && source.format == PictureFormat::Gif) {
        return EmoticonGifConverter::copyReplacing(sourcePath, target)
                   ? ConvertOutcome::CopiedUnchanged
                   : ConvertOutcome::CannotWrite;
    }
    // Frames that cover only part of the screen cannot be resized one by one; play them first,
    // unless the screen is too large to play (a file may claim any size).
    const auto screenW = static_cast<std::uint64_t>(std::max(source.screenWidth, 0));
    const auto screenH = static_cast<std::uint64_t>(std::max(source.screenHeight, 0));
    const bool playable = withinPixelLimit(screenW, screenH) &&
                          screenW * screenH * 4 * frames.size() <= kMaxAnimationBytes;
    if (fitting && playable &&
        FrameComposer::hasPartialFrames(frames, source.screenWidth, source.screenHeight)) {
        frames = FrameComposer::compose(frames, source.screenWidth, source.screenHeight);
    }
    std::optional<NearestColor> local;
    const NearestColor& search = NearestColor::forPalette(frames[0].palette, local);
    for (size_t i = 0; i < frames.size(); ++i) {
        frames[i] = prepareFrame(std::move(frames[i]), i == 0 ? nullptr : &frames[0], search);
    }
    return GifWriter::write(target, frames, true) ? ConvertOutcome::Written
                                                  : ConvertOutcome::CannotWrite;
}

}  // namespace

void EmoticonGifConverter::boxFor(SizingRule rule, int width, int height, int& boxWidth,
                                  int& boxHeight) {
    if (rule == SizingRule::ClampBox) {
        boxWidth = std::clamp(width, kSmallestSide, kLargestSide);
        boxHeight = std::clamp(height, kSmallestSide, kLargestSide);
        return;
    }
    boxWidth = width;
    boxHeight = height;
    if (width > kLargestSide || height > kLargestSide) {
        const double ratio = static_cast<double>(width) / static_cast<double>(height);
        if (ratio > 1) {
            boxWidth = kLargestSide;
            boxHeight = static_cast<int>(std::floor(kLargestSide / ratio));
        } else {
            boxWidth = static_cast<int>(std::floor(kLargestSide * ratio));
            boxHeight = kLargestSide;
        }
    }
    boxWidth = std::max(boxWidth, kSmallestSide);
    boxHeight = std::max(boxHeight, kSmallestSide);
}

bool EmoticonGifConverter::copyReplacing(const std::filesystem::path& source,
                                         const std::filesystem::path& target) {
    return platform::FileReplacement::replace(
        target, [&source](const std::filesystem::path& temporary) {
            std::error_code ec;
            std::filesystem::copy_file(source, temporary,
                                       std::filesystem::copy_options::overwrite_existing, ec);
            return !ec;
        });
}

ConvertOutcome EmoticonGifConverter::ConvertToEmoticonGif(const std::filesystem::path& source,
                                                          const std::filesystem::path& target,
                                                          SizingRule rule) {
    const auto bytes = PictureDecoder::readFile(source);
    if (!bytes) {
        return ConvertOutcome::NotDecodable;
    }
    auto decoded = PictureDecoder::decode(*bytes);
    if (!decoded) {
        return ConvertOutcome::NotDecodable;
    }
    if (decoded->frameCount <= 1) {
        return convertStill(std::move(decoded->first), target, rule);
    }
    return convertAnimation(*bytes, *decoded, source, target);
}

}  // namespace quillmere::image
