#include "image/JpegDecoder.h"

#include "image/ImageLimits.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

namespace quillmere::image {

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    bool damaged;
};

[[noreturn]] void onError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void onMessage(j_common_ptr cinfo, int level) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    const int code = err->pub.msg_code;
    if (level < 0 &&
        (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC)) {
        err->damaged = true;
    }
}

void noOutput(j_common_ptr) {}

// What the C-level decoder hands back; `pixels` is malloc'd and owned by the caller.
struct RawJpeg {
    int width;
    int height;
    int components;
    bool cmyk;
    unsigned char* pixels;
};

// libjpeg reports errors by longjmp, so this function holds no C++ object that needs
// destruction; everything it owns is released on both paths.
bool decodeRaw(const unsigned char* data, size_t size, RawJpeg* out) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    unsigned char* volatile buffer = nullptr;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    err.pub.emit_message = onMessage;
    err.pub.output_message = noOutput;
    err.damaged = false;
    if (setjmp(err.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        std::free(buffer);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    if (!withinPixelLimit(cinfo.image_width, cinfo.image_height)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    const bool grey = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = grey ? JCS_GRAYSCALE : (cmyk ? JCS_CMYK : JCS_RGB);
    jpeg_start_decompress(&cinfo);
    const size_t stride =
        static_cast<size_t>(cinfo.output_width) * static_cast<size_t>(cinfo.output_components);
    buffer = static_cast<unsigned char*>(std::malloc(stride * cinfo.output_height));
    if (buffer == nullptr) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = buffer + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    out->width = static_cast<int>(cinfo.output_width);
    out->height = static_cast<int>(cinfo.output_height);
    out->components = cinfo.output_components;
    out->cmyk = cmyk;
    out->pixels = buffer;
    const bool damaged = err.damaged;
    jpeg_destroy_decompress(&cinfo);
    if (damaged) {
        std::free(buffer);
        out->pixels = nullptr;
        return false;
    }
    return true;
}

struct FreeDeleter {
    void operator()(unsigned char* p) const { std::free(p); }
};

}  // namespace

std::optional<Picture> JpegDecoder::decode(platform::ByteView bytes) {
    if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8) {
        return std::nullopt;
    }
    RawJpeg raw{};
    if (!decodeRaw(bytes.data(), bytes.size(), &raw)) {
        return std::nullopt;
    }
    const std::unique_ptr<unsigned char, FreeDeleter> pixels(raw.pixels);
    const size_t count = static_cast<size_t>(raw.width) * static_cast<size_t>(raw.height);
    if (raw.components == 1) {
        std::vector<Rgb> greys;
        for (int i = 0; i < 256; ++i) {
            const auto v = static_cast<std::uint8_t>(i);
            greys.push_back({v, v, v});
        }
        Picture p = Picture::makeIndexed(raw.width, raw.height, std::move(greys));
        p.indices.assign(pixels.get(), pixels.get() + count);
        return p;
    }
    Picture p = Picture::makeTrueColor(raw.width, raw.height);
    for (size_t i = 0; i < count; ++i) {
        const unsigned char* s = pixels.get() + i * static_cast<size_t>(raw.components);
        if (raw.cmyk) {
            // Adobe's CMYK JPEGs store the inks inverted.
            p.pixels[i] = {static_cast<std::uint8_t>(s[0] * s[3] / 255),
                           static_cast<std::uint8_t>(s[1] * s[3] / 255),
                           static_cast<std::uint8_t>(s[2] * s[3] / 255)};
        } else {
            p.pixels[i] = {s[0], s[1], s[2]};
        }
    }
    return p;
}

}  // namespace quillmere::image
