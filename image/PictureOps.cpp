#include "image/PictureOps.h"

#include "image/StandardPalette.h"

#include <algorithm>
#include <cmath>

namespace quillmere::image {

namespace {

constexpr Rgb kCanvas{255, 255, 255};

struct Weights {
    int first = 0;
    std::vector<float> values;
};

// Bilinear (triangle) weights for each target column or row; when shrinking, the triangle is
// widened by the shrink factor so that every source pixel contributes.
std::vector<Weights> weightsFor(int sourceSize, int targetSize) {
    const double scale = static_cast<double>(targetSize) / sourceSize;
    const double support = scale < 1.0 ? 1.0 / scale : 1.0;
    std::vector<Weights> all(static_cast<size_t>(targetSize));
    for (int t = 0; t < targetSize; ++t) {
        const double center = (t + 0.5) / scale - 0.5;
        const int first = std::max(0, static_cast<int>(std::floor(center - support)) + 1);
        const int last =
            std::min(sourceSize - 1, static_cast<int>(std::ceil(center + support)) - 1);
        Weights& w = all[static_cast<size_t>(t)];
        w.first = first;
        double total = 0;
        for (int s = first; s <= last; ++s) {
            const double weight = std::max(0.0, 1.0 - std::abs(s - center) / support);
            w.values.push_back(static_cast<float>(weight));
            total += weight;
        }
        if (total <= 0) {
            // The source sample nearest to the centre.
            w.first = std::clamp(static_cast<int>(std::lround(center)), 0, sourceSize - 1);
            w.values.assign(1, 1.0f);
            total = 1;
        }
        for (float& v : w.values) {
            v = static_cast<float>(v / total);
        }
    }
    return all;
}

struct FloatRgb {
    float r = 0, g = 0, b = 0;
};

std::uint8_t toByte(float v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

// Resamples the picture's colours to w x h.
std::vector<Rgb> resample(const Picture& p, int w, int h) {
    const auto columns = weightsFor(p.width, w);
    const auto rows = weightsFor(p.height, h);
    std::vector<FloatRgb> horizontal(static_cast<size_t>(w) * static_cast<size_t>(p.height));
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < w; ++x) {
            const Weights& wx = columns[static_cast<size_t>(x)];
            FloatRgb sum;
            for (size_t k = 0; k < wx.values.size(); ++k) {
                const Rgb c = p.colorAt(wx.first + static_cast<int>(k), y);
                sum.r += c.r * wx.values[k];
                sum.g += c.g * wx.values[k];
                sum.b += c.b * wx.values[k];
            }
            horizontal[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] =
                sum;
        }
    }
    std::vector<Rgb> out(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) {
        const Weights& wy = rows[static_cast<size_t>(y)];
        for (int x = 0; x < w; ++x) {
            FloatRgb sum;
            for (size_t k = 0; k < wy.values.size(); ++k) {
                const FloatRgb& c = horizontal[static_cast<size_t>(wy.first + static_cast<int>(k)) *
                                                   static_cast<size_t>(w) +
                                               static_cast<size_t>(x)];
                sum.r += c.r * wy.values[k];
                sum.g += c.g * wy.values[k];
                sum.b += c.b * wy.values[k];
            }
            out[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] = {
                toByte(sum.r), toByte(sum.g), toByte(sum.b)};
        }
    }
    return out;
}

}  // namespace

Picture PictureOps::reduceTo8Bits(Picture picture) {
    if (picture.indexed) {
        return picture;
    }
    const auto& standard = StandardPalette::colors();
    Picture out = Picture::makeIndexed(picture.width, picture.height,
                                       std::vector<Rgb>(standard.begin(), standard.end()));
    out.bitsPerPixel = 8;
    out.delay = picture.delay;
    out.left = picture.left;
    out.top = picture.top;
    out.disposal = picture.disposal;
    const NearestColor& reducer = NearestColor::standard();
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        out.indices[i] = reducer.find(picture.pixels[i]);
    }
    return out;
}

Picture PictureOps::remapToPalette(const Picture& picture, const std::vector<Rgb>& palette,
                                   int transparentIndex, const NearestColor& toPalette) {
    if (picture.palette == palette) {
        return picture;
    }
    Picture out = picture;
    out.palette = palette;
    out.transparentIndex = -1;
    for (size_t i = 0; i < picture.indices.size(); ++i) {
        const std::uint8_t index = picture.indices[i];
        if (index == picture.transparentIndex && transparentIndex >= 0) {
            out.indices[i] = static_cast<std::uint8_t>(transparentIndex);
            out.transparentIndex = transparentIndex;
        } else {
            out.indices[i] =
                toPalette.find(index < picture.palette.size() ? picture.palette[index] : Rgb{});
        }
    }
    return out;
}

void PictureOps::fittedSize(int w, int h, int boxW, int boxH, int& outW, int& outH) {
    outW = w;
    outH = h;
    if (w <= boxW && h <= boxH) {
        return;
    }
    const float aspect = static_cast<float>(boxW) / static_cast<float>(boxH);
    const float scale = aspect * static_cast<float>(h) > static_cast<float>(w)
                            ? static_cast<float>(boxH) / static_cast<float>(h)
                            : static_cast<float>(boxW) / static_cast<float>(w);
    outW = std::max(1, static_cast<int>(scale * static_cast<float>(w)));
    outH = std::max(1, static_cast<int>(scale * static_cast<float>(h)));
}

Picture PictureOps::fitIntoBox(const Picture& picture, int boxW, int boxH) {
    std::optional<NearestColor> local;
    return fitIntoBox(picture, boxW, boxH, NearestColor::forPalette(picture.palette, local));
}

Picture PictureOps::fitIntoBox(const Picture& picture, int boxW, int boxH,
                               const NearestColor& toPalette) {
    int w = 0;
    int h = 0;
    fittedSize(picture.width, picture.height, boxW, boxH, w, h);
    Picture out = Picture::makeIndexed(boxW, boxH, picture.palette);
    out.bitsPerPixel = picture.bitsPerPixel;
    out.transparentIndex = picture.transparentIndex;
    out.delay = picture.delay;
    out.left = picture.left;
    out.top = picture.top;
    out.disposal = picture.disposal;
    std::fill(out.indices.begin(), out.indices.end(), toPalette.find(kCanvas));

    const int left = (boxW - w) / 2;
    const int top = (boxH - h) / 2;
    const bool scaled = w != picture.width || h != picture.height;
    const std::vector<Rgb> colors = scaled ? resample(picture, w, h) : std::vector<Rgb>();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint8_t index = 0;
            if (!scaled) {
                index =
                    picture.indices[static_cast<size_t>(y) * static_cast<size_t>(picture.width) +
                                    static_cast<size_t>(x)];
            } else {
                // Transparency follows the nearest source pixel; colours are blended.
                const int sx = std::min(picture.width - 1, x * picture.width / w);
                const int sy = std::min(picture.height - 1, y * picture.height / h);
                const std::uint8_t nearest =
                    picture.indices[static_cast<size_t>(sy) * static_cast<size_t>(picture.width) +
                                    static_cast<size_t>(sx)];
                index =
                    nearest == picture.transparentIndex
                        ? nearest
                        : toPalette.find(colors[static_cast<size_t>(y) * static_cast<size_t>(w) +
                                                static_cast<size_t>(x)]);
            }
            out.indices[static_cast<size_t>(y + top) * static_cast<size_t>(boxW) +
                        static_cast<size_t>(x + left)] = index;
        }
    }
    return out;
}

}  // namespace quillmere::image
