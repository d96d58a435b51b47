#include "image/ImageLimits.h"
#include "image/PictureDecoder.h"
#include "image/PictureOps.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere::image;
    const quillmere::platform::ByteView bytes(data, size);
    auto source = PictureDecoder::decode(bytes);
    if (!source) {
        return 0;
    }
    Picture reduced = PictureOps::reduceTo8Bits(std::move(source->first));
    if (reduced.width <= 2000 && reduced.height <= 2000) {
        (void)PictureOps::fitIntoBox(reduced, 50, 50);
    }
    PictureDecoder::decodeFrames(bytes, source->format, std::min(source->frameCount, 20),
                                 [](Picture&&) { return true; });
    return 0;
}
