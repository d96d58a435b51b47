#include "image/BmpDecoder.h"

#include "image/ImageLimits.h"

#include <array>
#include <bit>

namespace quillmere::image {

namespace {

enum Compression : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kAlphaBitFields = 6
};

class Reader {
  public:
    explicit Reader(platform::ByteView bytes) : m_bytes(bytes) {}
    bool has(size_t offset, size_t length) const {
        return offset <= m_bytes.size() && length <= m_bytes.size() - offset;
    }
    std::uint32_t u16(size_t offset) const {
        return has(offset, 2)
                   ? static_cast<std::uint32_t>(m_bytes[offset] | m_bytes[offset + 1] << 8)
                   : 0;
    }
    std::uint32_t u32(size_t offset) const {
        return has(offset, 4) ? (u16(offset) | u16(offset + 2) << 16) : 0;
    }
    std::uint8_t byte(size_t offset) const { return offset < m_bytes.size() ? m_bytes[offset] : 0; }
    size_t size() const { return m_bytes.size(); }

  private:
    platform::ByteView m_bytes;
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: top-down
    int bpp = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    size_t paletteOffset = 0;
    int paletteEntrySize = 4;
    std::array<std::uint32_t, 3> masks{};
    size_t pixelOffset = 0;
};

std::optional<Header> readHeader(const Reader& r) {
    if (!r.has(0, 18) || r.byte(0) != 'B' || r.byte(1) != 'M') {
        return std::nullopt;
    }
    Header h;
    h.pixelOffset = r.u32(10);
    const std::uint32_t infoSize = r.u32(14);
    if (infoSize < 12 || !r.has(14, infoSize)) {
        return std::nullopt;
    }
    if (infoSize == 12) {
        h.width = r.u16(18);
        h.height = static_cast<std::int16_t>(r.u16(20));
        h.bpp = static_cast<int>(r.u16(24));
        h.paletteEntrySize = 3;
    } else {
        h.width = static_cast<std::int32_t>(r.u32(18));
        h.height = static_cast<std::int32_t>(r.u32(22));
        h.bpp = static_cast<int>(r.u16(28));
        h.compression = infoSize >= 20 ? r.u32(30) : kRgb;
        h.colorsUsed = infoSize >= 36 ? r.u32(46) : 0;
    }
    h.paletteOffset = 14 + infoSize;
    if (h.compression == kBitFields || h.compression == kAlphaBitFields) {
        // The masks are part of larger headers, or follow a 40-byte one.
        const size_t at = 14 + 40;
        if (!r.has(at, 12)) {
            return std::nullopt;
        }
        h.masks = {r.u32(at), r.u32(at + 4), r.u32(at + 8)};
        if (infoSize == 40) {
            h.paletteOffset += h.compression == kAlphaBitFields ? 16 : 12;
        }
    } else if (h.bpp == 16) {
        h.masks = {0x7C00, 0x03E0, 0x001F};
    } else if (h.bpp == 32) {
        h.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
    }
    return h;
}

std::vector<Rgb> readPalette(const Reader& r, const Header& h) {
    const size_t entries = size_t{1} << h.bpp;
    size_t wanted = h.colorsUsed > 0 && h.colorsUsed < entries ? h.colorsUsed : entries;
    std::vector<Rgb> palette;
    for (size_t i = 0; i < wanted; ++i) {
        const size_t at = h.paletteOffset + i * static_cast<size_t>(h.paletteEntrySize);
        if (!r.has(at, 3)) {
            break;
        }
        palette.push_back({r.byte(at + 2), r.byte(at + 1), r.byte(at)});
    }
    // Indices beyond a short palette show black rather than point past it.
    palette.resize(entries, Rgb{});
    return palette;
}

struct Channel {
    std::uint32_t mask;
    int shift;
    int bits;

    explicit Channel(std::uint32_t m)
        : mask(m), shift(m ? std::countr_zero(m) : 0), bits(m ? std::popcount(m) : 0) {}
    std::uint8_t of(std::uint32_t pixel) const {
        if (bits == 0) {
            return 0;
        }
        const std::uint64_t v = (pixel & mask) >> shift;
        const std::uint64_t max = (std::uint64_t{1} << std::min(bits, 32)) - 1;
        return static_cast<std::uint8_t>(v * 255 / max);
    }
};

// Row y of the picture (top = 0) is stored at this row of the file.
size_t fileRow(const Header& h, int y, int height) {
    return h.height < 0 ? static_cast<size_t>(y) : static_cast<size_t>(height - 1 - y);
}

bool readUncompressedIndexed(const Reader& r, const Header& h, Picture& p, size_t stride) {
    for (int y = 0; y < p.height; ++y) {
        const size_t row = h.pixelOffset + fileRow(h, y, p.height) * stride;
        if (!r.has(row, stride)) {
            return false;
        }
        for (int x = 0; x < p.width; ++x) {
            const size_t bit = static_cast<size_t>(x) * static_cast<size_t>(h.bpp);
            const std::uint8_t b = r.byte(row + bit / 8);
            const int shift = 8 - h.bpp - static_cast<int>(bit % 8);
            p.indices[static_cast<size_t>(y) * static_cast<size_t>(p.width) +
                      static_cast<size_t>(x)] =
                static_cast<std::uint8_t>((b >> shift) & ((1 << h.bpp) - 1));
        }
    }
    return true;
}

bool readRle(const Reader& r, const Header& h, Picture& p) {
    const bool four = h.compression == kRle4;
    size_t at = h.pixelOffset;
    int x = 0;
    int y = 0;  // counted from the bottom row of the file
    auto put = [&](std::uint8_t index) {
        if (x < p.width && y < p.height) {
            const int top = p.height - 1 - y;
            p.indices[static_cast<size_t>(top) * static_cast<size_t>(p.width) +
                      static_cast<size_t>(x)] = index;
        }
        ++x;
    };
    while (r.has(at, 2) && y < p.height) {
        const std::uint8_t count = r.byte(at);
        const std::uint8_t value = r.byte(at + 1);
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) {
                put(four ? static_cast<std::uint8_t>(i % 2 == 0 ? value >> 4 : value & 0x0F)
                         : value);
            }
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (!r.has(at, 2)) {
                return false;
            }
            x += r.byte(at);
            y += r.byte(at + 1);
            at += 2;
        } else {
            const size_t bytes = four ? (value + 1u) / 2 : value;
            if (!r.has(at, bytes)) {
                return false;
            }
            for (int i = 0; i < value; ++i) {
                const std::uint8_t b =
                    r.byte(at + (four ? static_cast<size_t>(i / 2) : static_cast<size_t>(i)));
                put(four ? static_cast<std::uint8_t>(i % 2 == 0 ? b >> 4 : b & 0x0F) : b);
            }
            at += (bytes + 1) & ~size_t{1};
        }
    }
    // Ran out of data: what was decoded stays, as with a missing end-of-bitmap marker.
    return y > 0 || x > 0;
}

bool readTrueColor(const Reader& r, const Header& h, Picture& p, size_t stride) {
    const Channel red(h.masks[0]);
    const Channel green(h.masks[1]);
    const Channel blue(h.masks[2]);
    const size_t bytesPerPixel = static_cast<size_t>(h.bpp) / 8;
    for (int y = 0; y < p.height; ++y) {
        const size_t row = h.pixelOffset + fileRow(h, y, p.height) * stride;
        if (!r.has(row, stride)) {
            return false;
        }
        for (int x = 0; x < p.width; ++x) {
            const size_t at = row + static_cast<size_t>(x) * bytesPerPixel;
            Rgb& out = p.pixels[static_cast<size_t>(y) * static_cast<size_t>(p.width) +
                                static_cast<size_t>(x)];
            if (h.bpp == 24) {
                out = {r.byte(at + 2), r.byte(at + 1), r.byte(at)};
            } else {
                const std::uint32_t v = h.bpp == 16 ? r.u16(at) : r.u32(at);
                out = {red.of(v), green.of(v), blue.of(v)};
            }
        }
    }
    return true;
}

bool supported(const Header& h) {
    switch (h.compression) {
        case kRgb:
            return h.bpp == 1 || h.bpp == 2 || h.bpp == 4 || h.bpp == 8 || h.bpp == 16 ||
                   h.bpp == 24 || h.bpp == 32;
        case kRle8:
            return h.bpp == 8 && h.height > 0;
        case kRle4:
            return h.bpp == 4 && h.height > 0;
        case kBitFields:
        case kAlphaBitFields:
            return h.bpp == 16 || h.bpp == 32;
        default:
            return false;
    }
}

}  // namespace

std::optional<Picture> BmpDecoder::decode(platform::ByteView bytes) {
    const Reader r(bytes);
    auto header = readHeader(r);
    if (!header || !supported(*header)) {
        return std::nullopt;
    }
    Header& h = *header;
    const std::int64_t height = h.height < 0 ? -h.height : h.height;
    if (h.width <= 0 || !withinPixelLimit(static_cast<std::uint64_t>(h.width),
                                          static_cast<std::uint64_t>(height))) {
        return std::nullopt;
    }
    const int width = static_cast<int>(h.width);
    const int rows = static_cast<int>(height);
    if (h.pixelOffset == 0 || h.pixelOffset >= r.size()) {
        return std::nullopt;
    }
    const size_t stride = ((static_cast<size_t>(width) * static_cast<size_t>(h.bpp) + 31) / 32) * 4;
    // Uncompressed rows must all be in the file; check before allocating for them.
    if (h.compression != kRle8 && h.compression != kRle4 &&
        !r.has(h.pixelOffset, stride * static_cast<size_t>(rows))) {
        return std::nullopt;
    }
    if (h.bpp <= 8) {
        Picture p = Picture::makeIndexed(width, rows, readPalette(r, h));
        p.bitsPerPixel = h.bpp;
        const bool ok =
            h.compression == kRgb ? readUncompressedIndexed(r, h, p, stride) : readRle(r, h, p);
        return ok ? std::optional<Picture>(std::move(p)) : std::nullopt;
    }
    Picture p = Picture::makeTrueColor(width, rows);
    p.bitsPerPixel = h.bpp;
    return readTrueColor(r, h, p, stride) ? std::optional<Picture>(std::move(p)) : std::nullopt;
}

}  // namespace quillmere::image
