#pragma once

#include <filesystem>

namespace quillmere::image {

enum class ConvertOutcome { Written, CopiedUnchanged, NotDecodable, CannotWrite };

// How a still picture is sized: the clamp box takes each side to 19...50; the aspect box keeps
// the proportions within 50 x 50 and then raises a side below 19 to 19.
enum class SizingRule { ClampBox, AspectBox };

// Turns any supported picture (BMP, GIF, JPEG, PNG, TIFF; still or animated) into an emoticon
// GIF: at most 50 pixels a side and 256 colours, animation kept.
class EmoticonGifConverter {
  public:
    static constexpr int kLargestSide = 50;
    static constexpr int kSmallestSide = 19;
    static constexpr int kDefaultDelay = 20;

    // The target is untouched unless the outcome is Written or CopiedUnchanged.
    static ConvertOutcome ConvertToEmoticonGif(const std::filesystem::path& source,
                                               const std::filesystem::path& target,
                                               SizingRule rule);

    static void boxFor(SizingRule rule, int width, int height, int& boxWidth, int& boxHeight);

    // Copies a file under a temporary name beside the target and renames it into place.
    static bool copyReplacing(const std::filesystem::path& source,
                              const std::filesystem::path& target);
};

}  // namespace quillmere::image
