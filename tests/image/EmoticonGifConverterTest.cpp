#include "image/EmoticonGifConverter.h"

#include "image/GifWriter.h"
#include "image/StandardPalette.h"
#include "support/Fixtures.h"
#include "support/PictureFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace quillmere::image {
namespace {

using namespace std::literals;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

test::ColorAt solid(Rgb color) {
    return [color](int, int) { return color; };
}

// An animation of `count` frames of w x h in the standard palette, each a different colour.
void writeAnimation(const std::filesystem::path& file, int w, int h, int count, int delay = 10) {
    const auto& standard = StandardPalette::colors();
    std::vector<Picture> frames;
    for (int i = 0; i < count; ++i) {
        Picture f = Picture::makeIndexed(w, h, std::vector<Rgb>(standard.begin(), standard.end()));
        std::fill(f.indices.begin(), f.indices.end(), static_cast<std::uint8_t>(10 + i % 200));
        f.delay = i == 1 ? 0 : delay;
        frames.push_back(std::move(f));
    }
    ASSERT_TRUE(GifWriter::write(file, frames, true));
}

struct StillCase {
    int width, height;
    SizingRule rule;
    int boxW, boxH;       // the written picture
    int left, top, w, h;  // where the source landed in it
};

class StillConversion : public testing::TestWithParam<StillCase> {};

TEST_P(StillConversion, SizesTheBoxAndCentresThePictureOnWhite) {
    const StillCase& c = GetParam();
    test::TempFolder folder;
    const auto source = folder / "source.png";
    test::writePng(source, c.width, c.height, solid(kRed));
    const auto target = folder / "target.gif";
    ASSERT_EQ(EmoticonGifConverter::ConvertToEmoticonGif(source, target, c.rule),
              ConvertOutcome::Written);

    const test::GifFacts gif = test::inspectGif(target);
    ASSERT_TRUE(gif.ok);
    EXPECT_EQ(gif.version, "GIF89a");
    ASSERT_EQ(gif.frames.size(), 1u);
    EXPECT_EQ(gif.screenWidth, c.boxW);
    EXPECT_EQ(gif.screenHeight, c.boxH);
    EXPECT_FALSE(gif.hasLoopExtension);
    EXPECT_EQ(gif.globalColors.size(), 256u);
    for (int y = 0; y < c.boxH; ++y) {
        for (int x = 0; x < c.boxW; ++x) {
            const bool inside = x >= c.left && x < c.left + c.w && y >= c.top && y < c.top + c.h;
            ASSERT_EQ(gif.color(0, x, y), inside ? kRed : kWhite) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StillConversion,
    testing::Values(StillCase{16, 16, SizingRule::ClampBox, 19, 19, 1, 1, 16, 16},
                    StillCase{100, 60, SizingRule::ClampBox, 50, 50, 0, 10, 50, 30},
                    StillCase{100, 60, SizingRule::AspectBox, 50, 30, 0, 0, 50, 30},
                    StillCase{40, 80, SizingRule::AspectBox, 25, 50, 0, 0, 25, 50},
                    StillCase{300, 10, SizingRule::AspectBox, 50, 19, 0, 9, 50, 1},
                    StillCase{10, 100, SizingRule::ClampBox, 19, 50, 7, 0, 5, 50},
                    StillCase{30, 40, SizingRule::ClampBox, 30, 40, 0, 0, 30, 40},
                    StillCase{30, 40, SizingRule::AspectBox, 30, 40, 0, 0, 30, 40}));

TEST(EmoticonGifConverter, ReadsEveryFormatTheSameWay) {
    test::TempFolder folder;
    test::writeBmp24(folder / "p.bmp", 16, 16, solid(kRed));
    const auto target = folder / "out.gif";
    ASSERT_EQ(
        EmoticonGifConverter::ConvertToEmoticonGif(folder / "p.bmp", target, SizingRule::ClampBox),
        ConvertOutcome::Written);
    const auto gif = test::inspectGif(target);
    EXPECT_EQ(gif.screenWidth, 19);
    EXPECT_EQ(gif.color(0, 1, 1), kRed);
}

TEST(EmoticonGifConverter, CopiesSmallAnimatedGifsByteForByte) {
    test::TempFolder folder;
    writeAnimation(folder / "small.gif", 30, 30, 5);
    const auto target = folder / "target.gif";
    folder.write("target.gif", "old");
    ASSERT_EQ(EmoticonGifConverter::ConvertToEmoticonGif(folder / "small.gif", target,
                                                         SizingRule::ClampBox),
              ConvertOutcome::CopiedUnchanged);
    EXPECT_EQ(test::readBytes(target), test::readBytes(folder / "small.gif"));
}

TEST(EmoticonGifConverter, ReencodesLargeAnimationsForEverWithDisposal2AndDefaultDelays) {
    test::TempFolder folder;
    writeAnimation(folder / "big.gif", 100, 100, 5, 7);
    const auto target = folder / "target.gif";
    ASSERT_EQ(EmoticonGifConverter::ConvertToEmoticonGif(folder / "big.gif", target,
                                                         SizingRule::AspectBox),
              ConvertOutcome::Written);
    const auto gif = test::inspectGif(target);
    ASSERT_TRUE(gif.ok);
    EXPECT_EQ(gif.screenWidth, 50);
    EXPECT_EQ(gif.screenHeight, 50);
    EXPECT_TRUE(gif.hasLoopExtension);
    EXPECT_EQ(gif.loopCount, 0);
    ASSERT_EQ(gif.frames.size(), 5u);
    for (size_t i = 0; i < gif.frames.size(); ++i) {
        const auto& f = gif.frames[i];
        EXPECT_EQ(f.width, 50);
        EXPECT_EQ(f.height, 50);
        EXPECT_FALSE(f.localColorMap);
        EXPECT_EQ(f.disposal, 2);
        EXPECT_EQ(f.delay, i == 1 ? 20 : 7) << "frame " << i;
        EXPECT_EQ(gif.color(i, 25, 25), StandardPalette::colors()[10 + i]);
    }
}

TEST(EmoticonGifConverter, PlaysPartialFramesBeforeShrinkingThem) {
    test::TempFolder folder;
    const auto& standard = StandardPalette::colors();
    const std::vector<Rgb> palette(standard.begin(), standard.end());
    Picture background = Picture::makeIndexed(100, 100, palette);
    std::fill(background.indices.begin(), background.indices.end(), std::uint8_t{249});  // red
    background.delay = 10;
    Picture patch = Picture::makeIndexed(20, 20, palette);
    std::fill(patch.indices.begin(), patch.indices.end(), std::uint8_t{252});  // blue
    patch.left = 80;
    patch.top = 80;
    patch.delay = 10;
    ASSERT_TRUE(GifWriter::write(folder / "partial.gif", {background, patch}, true));
    const auto target = folder / "target.gif";
    ASSERT_EQ(EmoticonGifConverter::ConvertToEmoticonGif(folder / "partial.gif", target,
                                                         SizingRule::ClampBox),
              ConvertOutcome::Written);
    const auto gif = test::inspectGif(target);
    ASSERT_EQ(gif.frames.size(), 2u);
    for (const auto& f : gif.frames) {
        EXPECT_EQ(f.left, 0);
        EXPECT_EQ(f.top, 0);
        EXPECT_EQ(f.width, 50);
        EXPECT_EQ(f.height, 50);
    }
    EXPECT_EQ(gif.color(0, 45, 45), kRed);
    EXPECT_EQ(gif.color(1, 45, 45), (Rgb{0, 0, 255})) << "the patch shows where it stood, shrunk";
    EXPECT_EQ(gif.color(1, 10, 10), kRed) << "over the first frame";
}

TEST(EmoticonGifConverter, KeepsOnlyTheFirstThousandFrames) {
    test::TempFolder folder;
    writeAnimation(folder / "long.gif", 60, 60, 1500);
    const auto target = folder / "target.gif";
    ASSERT_EQ(EmoticonGifConverter::ConvertToEmoticonGif(folder / "long.gif", target,
                                                         SizingRule::ClampBox),
              ConvertOutcome::Written);
    EXPECT_EQ(test::inspectGif(target).frames.size(), 1000u);
}

TEST(EmoticonGifConverter, RefusesBadInputAndLeavesTheTargetAlone) {
    test::TempFolder folder;
    test::writePng(folder / "good.png", 40, 40, solid(kRed));
    writeAnimation(folder / "anim.gif", 60, 60, 3);
    const auto png = test::readBytes(folder / "good.png");
    const auto gif = test::readBytes(folder / "anim.gif");
    auto cut = [](const platform::Bytes& b, size_t n) {
        return std::string(b.begin(), b.begin() + static_cast<long>(n));
    };
    std::string badCodeSize(gif.begin(), gif.end());
    // The LZW minimum code size byte follows the first image descriptor.
    const size_t descriptor = badCodeSize.find('\x2C');
    ASSERT_NE(descriptor, std::string::npos);
    badCodeSize[descriptor + 10] = 15;
    const std::string bmpHeader = "BM\x3e\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0"s;
    const std::pair<const char*, std::string> inputs[] = {
        {"text.gif", "this is not a picture"},
        {"empty.png", ""},
        {"truncated.png", cut(png, png.size() / 2)},
        {"header-only.png", cut(png, 40)},
        {"truncated.gif", cut(gif, 30)},
        {"bad-code-size.gif", badCodeSize},
        {"negative.bmp", bmpHeader + "\x02\0\0\0\x00\0\0\x80\x01\0\x18\0"s + std::string(40, '\0')},
        {"huge.bmp", bmpHeader + "\xff\xff\0\0\xff\xff\0\0\x01\0\x18\0"s + std::string(40, '\0')},
        {"zero.bmp", bmpHeader + "\0\0\0\0\0\0\0\0\x01\0\x18\0"s + std::string(40, '\0')},
    };
    for (const auto& [name, content] : inputs) {
        const auto source = folder.write(name, content);
        const auto target = folder.write("target.gif", "keep me");
        EXPECT_EQ(EmoticonGifConverter::ConvertToEmoticonGif(source, target, SizingRule::ClampBox),
                  ConvertOutcome::NotDecodable)
            << name;
        EXPECT_EQ(test::readBytes(target), (platform::Bytes{'k', 'e', 'e', 'p', ' ', 'm', 'e'}))
            << name;
    }
    EXPECT_EQ(EmoticonGifConverter::ConvertToEmoticonGif(folder / "missing.png", folder / "t.gif",
                                                         SizingRule::ClampBox),
              ConvertOutcome::NotDecodable);
}

TEST(EmoticonGifConverter, ReportsATargetThatCannotBeWritten) {
    test::TempFolder folder;
    test::writePng(folder / "still.png", 20, 20, solid(kRed));
    writeAnimation(folder / "small.gif", 20, 20, 2);
    writeAnimation(folder / "big.gif", 80, 80, 2);
    for (const char* name : {"still.png", "small.gif", "big.gif"}) {
        EXPECT_EQ(EmoticonGifConverter::ConvertToEmoticonGif(
                      folder / name, folder / "no/such/folder.gif", SizingRule::ClampBox),
                  ConvertOutcome::CannotWrite)
            << name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              3)
        << "no temporary file is left behind";
}

}  // namespace
}  // namespace quillmere::image
