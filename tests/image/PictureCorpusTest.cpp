#include "image/EmoticonGifConverter.h"
#include "image/PictureDecoder.h"

#include "TestPaths.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

namespace quillmere::image {
namespace {

// The public conformance suites beside the project; the tests skip when they are absent.
std::filesystem::path corpus(const char* relative) {
    return std::filesystem::path(test::kCorpusDir) / relative;
}

std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder,
                                           const std::string& ext) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.path().extension() == ext) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

ConvertOutcome convert(const std::filesystem::path& source) {
    test::TempFolder out;
    return EmoticonGifConverter::ConvertToEmoticonGif(source, out / "out.gif",
                                                      SizingRule::ClampBox);
}

TEST(PictureCorpus, PngSuiteConvertsItsGoodPicturesAndRefusesItsCorruptOnes) {
    const auto files = filesIn(corpus("pngsuite/png"), ".png");
    if (files.empty()) {
        GTEST_SKIP() << "PngSuite is not there";
    }
    for (const auto& file : files) {
        const bool corrupt = file.filename().string().starts_with("x");
        EXPECT_EQ(convert(file), corrupt ? ConvertOutcome::NotDecodable : ConvertOutcome::Written)
            << file;
    }
}

TEST(PictureCorpus, BmpSuiteReadsTheGoodBitmapsAndSurvivesTheRest) {
    const auto good = filesIn(corpus("bmpsuite/g"), ".bmp");
    if (good.empty()) {
        GTEST_SKIP() << "bmpsuite is not there";
    }
    for (const auto& file : good) {
        EXPECT_EQ(convert(file), ConvertOutcome::Written) << file;
    }
    for (const char* folder : {"bmpsuite/q", "bmpsuite/b"}) {
        for (const auto& file : filesIn(corpus(folder), ".bmp")) {
            const ConvertOutcome outcome = convert(file);
            EXPECT_TRUE(outcome == ConvertOutcome::Written ||
                        outcome == ConvertOutcome::NotDecodable)
                << file;
        }
    }
}

// The suite describes what a viewer shows; several images may make one shown frame, so the
// images counted must be at least the frames shown.
TEST(PictureCorpus, GifSuiteScreensAndFramesMatchTheExpectations) {
    const auto configs = filesIn(corpus("gif-test-suite/test-suite"), ".conf");
    if (configs.empty()) {
        GTEST_SKIP() << "the GIF suite is not there";
    }
    const std::regex setting("^(width|height|frames) = (.*)$");
    int compared = 0;
    for (const auto& conf : configs) {
        std::ifstream in(conf);
        std::string line;
        int width = -1;
        int height = -1;
        int shown = -1;
        while (std::getline(in, line)) {
            std::smatch m;
            if (!std::regex_match(line, m, setting)) {
                continue;
            }
            const std::string value = m[2];
            if (m[1] == "frames") {
                shown = value.empty()
                            ? 0
                            : 1 + static_cast<int>(std::count(value.begin(), value.end(), ','));
            } else {
                (m[1] == "width" ? width : height) = std::atoi(value.c_str());
            }
        }
        auto gif = conf;
        gif.replace_extension(".gif");
        const auto bytes = PictureDecoder::readFile(gif);
        ASSERT_TRUE(bytes) << gif;
        const auto decoded = PictureDecoder::decode(*bytes);
        if (!decoded) {
            continue;
        }
        EXPECT_EQ(decoded->screenWidth, width) << gif;
        EXPECT_EQ(decoded->screenHeight, height) << gif;
        EXPECT_GE(decoded->frameCount, shown) << gif;
        ++compared;
    }
    EXPECT_GT(compared, 60);
}

TEST(PictureCorpus, CrashCasesNeverCrash) {
    if (!std::filesystem::exists(corpus("."))) {
        GTEST_SKIP() << "the corpus is not there";
    }
    for (const char* folder : {"jpeg-decoder-rs/tests/crashtest/images",
                               "image-gif-rs/tests/crashtest", "image-gif-rs/tests/stall"}) {
        std::error_code ec;
        for (std::filesystem::recursive_directory_iterator it(corpus(folder), ec), end;
             !ec && it != end; it.increment(ec)) {
            if (it->is_regular_file()) {
                convert(it->path());
            }
        }
    }
}

}  // namespace
}  // namespace quillmere::image
