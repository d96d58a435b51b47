#include "image/NearestColor.h"

#include "image/StandardPalette.h"

#include <algorithm>
#include <climits>

namespace quillmere::image {

namespace {

int distance(Rgb a, Rgb b) {
    const int dr = a.r - b.r;
    const int dg = a.g - b.g;
    const int db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

// Squared distance from v to the nearest and to the farthest point of [low, high] on one axis.
int nearAxis(int v, int low, int high) {
    const int d = v < low ? low - v : (v > high ? v - high : 0);
    return d * d;
}

int farAxis(int v, int low, int high) {
    const int d = std::max(v - low, high - v);
    return d * d;
}

}  // namespace

NearestColor::NearestColor(std::span<const Rgb> palette)
    : m_palette(palette.begin(),
                palette.begin() + static_cast<long>(std::min<size_t>(palette.size(), 256))),
      m_cellStart(kLevels * kLevels * kLevels, -1),
      m_cellCount(kLevels * kLevels * kLevels, 0) {}

const NearestColor& NearestColor::standard() {
    static const NearestColor shared = [] {
        NearestColor n(StandardPalette::colors());
        n.learnAll();
        return n;
    }();
    return shared;
}

const NearestColor& NearestColor::forPalette(const std::vector<Rgb>& palette,
                                             std::optional<NearestColor>& local) {
    const auto& standardColors = StandardPalette::colors();
    if (std::equal(palette.begin(), palette.end(), standardColors.begin(), standardColors.end())) {
        return standard();
    }
    return local.emplace(palette);
}

void NearestColor::learnAll() {
    for (int r = 0; r < kLevels; ++r) {
        for (int g = 0; g < kLevels; ++g) {
            for (int b = 0; b < kLevels; ++b) {
                learnCell(static_cast<size_t>((r * kLevels + g) * kLevels + b), r, g, b);
            }
        }
    }
}

void NearestColor::learnCell(size_t cell, int r, int g, int b) const {
    const int r0 = r * kCellSide, g0 = g * kCellSide, b0 = b * kCellSide;
    const int r1 = r0 + kCellSide - 1, g1 = g0 + kCellSide - 1, b1 = b0 + kCellSide - 1;
    // No entry farther from the whole cell than the best entry's farthest corner can win.
    int bound = INT_MAX;
    for (const Rgb& e : m_palette) {
        bound = std::min(bound, farAxis(e.r, r0, r1) + farAxis(e.g, g0, g1) + farAxis(e.b, b0, b1));
    }
    m_cellStart[cell] = static_cast<std::int32_t>(m_candidates.size());
    int count = 0;
    for (size_t i = 0; i < m_palette.size(); ++i) {
        const Rgb& e = m_palette[i];
        if (nearAxis(e.r, r0, r1) + nearAxis(e.g, g0, g1) + nearAxis(e.b, b0, b1) <= bound) {
            m_candidates.push_back(static_cast<std::uint8_t>(i));
            ++count;
        }
    }
    // A count of 256 does not fit; 0 stands for "the whole palette".
    m_cellCount[cell] = static_cast<std::uint8_t>(count >= 256 ? 0 : count);
    if (count >= 256) {
        m_candidates.resize(static_cast<size_t>(m_cellStart[cell]));
    }
}

std::uint8_t NearestColor::find(Rgb color) const {
    if (m_palette.empty()) {
        return 0;
    }
    const int r = color.r / kCellSide, g = color.g / kCellSide, b = color.b / kCellSide;
    const size_t cell = static_cast<size_t>((r * kLevels + g) * kLevels + b);
    if (m_cellStart[cell] < 0) {
        learnCell(cell, r, g, b);
    }
    int best = INT_MAX;
    std::uint8_t bestIndex = 0;
    const int count = m_cellCount[cell];
    if (count == 0) {
        for (size_t i = 0; i < m_palette.size() && best > 0; ++i) {
            const int d = distance(m_palette[i], color);
            if (d < best) {
                best = d;
                bestIndex = static_cast<std::uint8_t>(i);
            }
        }
        return bestIndex;
    }
    const std::uint8_t* candidate = m_candidates.data() + m_cellStart[cell];
    for (int k = 0; k < count && best > 0; ++k) {
        const int d = distance(m_palette[candidate[k]], color);
        if (d < best) {
            best = d;
            bestIndex = candidate[k];
        }
    }
    return bestIndex;
}

}  // namespace quillmere::image
