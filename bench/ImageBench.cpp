#include "image/EmoticonGifConverter.h"
#include "image/GifWriter.h"
#include "image/NearestColor.h"
#include "image/StandardPalette.h"

#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>

namespace {

using namespace quillmere::image;

std::filesystem::path scratch(const char* name) {
    const auto folder = std::filesystem::temp_directory_path() / "quillmere-bench";
    std::filesystem::create_directories(folder);
    return folder / name;
}

// A photo-like 100 x 60 picture: smooth gradients with noise, many distinct colours.
std::filesystem::path writePhotoPng() {
    const auto file = scratch("photo.png");
    std::mt19937 noise(7);
    std::vector<std::uint8_t> rgb(100 * 60 * 3);
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 100; ++x) {
            std::uint8_t* p = rgb.data() + (y * 100 + x) * 3;
            p[0] = static_cast<std::uint8_t>(x * 2 + noise() % 16);
            p[1] = static_cast<std::uint8_t>(y * 4 + noise() % 16);
            p[2] = static_cast<std::uint8_t>((x + y) + noise() % 16);
        }
    }
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.width = 100;
    image.height = 60;
    image.format = PNG_FORMAT_RGB;
    png_image_write_to_file(&image, file.c_str(), 0, rgb.data(), 0, nullptr);
    png_image_free(&image);
    return file;
}

std::filesystem::path writeAnimation(const char* name, int side, int frames) {
    const auto file = scratch(name);
    const auto& standard = StandardPalette::colors();
    std::vector<Picture> pictures;
    for (int i = 0; i < frames; ++i) {
        Picture f =
            Picture::makeIndexed(side, side, std::vector<Rgb>(standard.begin(), standard.end()));
        for (size_t p = 0; p < f.indices.size(); ++p) {
            f.indices[p] = static_cast<std::uint8_t>((p + static_cast<size_t>(i) * 7) % 256);
        }
        f.delay = 5;
        pictures.push_back(std::move(f));
    }
    GifWriter::write(file, pictures, true);
    return file;
}

void BM_PngToEmoticonGif(benchmark::State& state) {
    const auto source = writePhotoPng();
    const auto target = scratch("photo.gif");
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            EmoticonGifConverter::ConvertToEmoticonGif(source, target, SizingRule::ClampBox));
    }
}
BENCHMARK(BM_PngToEmoticonGif)->Unit(benchmark::kMicrosecond);

void BM_AnimationTo50(benchmark::State& state) {
    const auto source = writeAnimation("anim120.gif", 120, 30);
    const auto target = scratch("anim50.gif");
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            EmoticonGifConverter::ConvertToEmoticonGif(source, target, SizingRule::ClampBox));
    }
}
BENCHMARK(BM_AnimationTo50)->Unit(benchmark::kMillisecond);

// The reduction's hot loop: one 50 x 50 frame of a photo (many distinct colours).
void BM_NearestColor50x50(benchmark::State& state) {
    std::mt19937 noise(3);
    std::vector<Rgb> pixels(2500);
    for (auto& p : pixels) {
        p = {static_cast<std::uint8_t>(noise()), static_cast<std::uint8_t>(noise()),
             static_cast<std::uint8_t>(noise())};
    }
    const NearestColor& reducer = NearestColor::standard();
    for (auto _ : state) {
        unsigned sum = 0;
        for (const Rgb& p : pixels) {
            sum += reducer.find(p);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_NearestColor50x50)->Unit(benchmark::kMicrosecond);

// The same against a palette of its own, learnt as the search goes.
void BM_NearestColorOwnPalette50x50(benchmark::State& state) {
    std::mt19937 noise(5);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<Rgb> pixels(2500);
        for (auto& p : pixels) {
            p = {static_cast<std::uint8_t>(noise()), static_cast<std::uint8_t>(noise()),
                 static_cast<std::uint8_t>(noise())};
        }
        std::vector<Rgb> palette(StandardPalette::colors().begin(),
                                 StandardPalette::colors().end());
        std::swap(palette[0], palette[255]);
        NearestColor reducer(palette);
        state.ResumeTiming();
        unsigned sum = 0;
        for (const Rgb& p : pixels) {
            sum += reducer.find(p);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_NearestColorOwnPalette50x50)->Unit(benchmark::kMicrosecond);

}  // namespace
