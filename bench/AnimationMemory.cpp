// Converts a 1000-frame 200 x 200 animation once, for measuring peak memory:
//   /usr/bin/time -v quillmere_animation_memory
#include "image/EmoticonGifConverter.h"
#include "image/GifWriter.h"
#include "image/StandardPalette.h"

#include <cstdio>
#include <filesystem>

int main() {
    using namespace quillmere::image;
    const auto folder = std::filesystem::temp_directory_path() / "quillmere-bench";
    std::filesystem::create_directories(folder);
    const auto source = folder / "anim1000.gif";
    if (!std::filesystem::exists(source)) {
        const auto& standard = StandardPalette::colors();
        std::vector<Picture> frames;
        for (int i = 0; i < 1000; ++i) {
            Picture f =
                Picture::makeIndexed(200, 200, std::vector<Rgb>(standard.begin(), standard.end()));
            for (size_t p = 0; p < f.indices.size(); ++p) {
                f.indices[p] = static_cast<std::uint8_t>((p / 200 + static_cast<size_t>(i)) % 256);
            }
            frames.push_back(std::move(f));
        }
        GifWriter::write(source, frames, true);
        std::puts("source written; run again to measure the conversion alone");
        return 0;
    }
    const auto outcome = EmoticonGifConverter::ConvertToEmoticonGif(
        source, folder / "anim1000-50.gif", SizingRule::ClampBox);
    std::printf("outcome %d\n", static_cast<int>(outcome));
    return outcome == ConvertOutcome::Written ? 0 : 1;
}
