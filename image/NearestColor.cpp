#include "image/NearestColor.h"

#include <algorithm>
#include <climits>

namespace quillmere::image {

namespace {

constexpr std::uint32_t kValid = 1u << 24;

std::uint32_t key(Rgb c) {
    return static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | c.b;
}

int distance(Rgb a, Rgb b) {
    const int dr = a.r - b.r;
    const int dg = a.g - b.g;
    const int db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

}  // namespace

NearestColor::NearestColor(std::span<const Rgb> palette)
    : m_cacheKeys(kCacheSize, 0), m_cacheValues(kCacheSize, 0) {
    const size_t count = std::min<size_t>(palette.size(), 256);
    for (size_t i = 0; i < count; ++i) {
        m_byRed.push_back({palette[i], static_cast<std::uint8_t>(i)});
    }
    std::stable_sort(m_byRed.begin(), m_byRed.end(),
                     [](const Entry& a, const Entry& b) { return a.color.r < b.color.r; });
}

std::uint8_t NearestColor::find(Rgb color) {
    const std::uint32_t k = key(color);
    const size_t slot = ((k * 2654435761u) >> 18) & (kCacheSize - 1);
    if (m_cacheKeys[slot] == (k | kValid)) {
        return m_cacheValues[slot];
    }
    const std::uint8_t index = search(color);
    m_cacheKeys[slot] = k | kValid;
    m_cacheValues[slot] = index;
    return index;
}

std::uint8_t NearestColor::search(Rgb color) const {
    if (m_byRed.empty()) {
        return 0;
    }
    // Walk outwards from the entries of the same red; once the red difference alone exceeds the
    // best sum, nothing further out can win.
    const auto start =
        std::lower_bound(m_byRed.begin(), m_byRed.end(), color.r,
                         [](const Entry& e, std::uint8_t red) { return e.color.r < red; });
    int best = INT_MAX;
    std::uint8_t bestIndex = 0;
    auto consider = [&](const Entry& e) {
        const int d = distance(e.color, color);
        if (d < best || (d == best && e.index < bestIndex)) {
            best = d;
            bestIndex = e.index;
        }
    };
    auto up = start;
    auto down = start;
    bool moreUp = up != m_byRed.end();
    bool moreDown = down != m_byRed.begin();
    while (moreUp || moreDown) {
        if (moreUp) {
            const int dr = up->color.r - color.r;
            if (dr * dr > best) {
                moreUp = false;
            } else {
                consider(*up);
                moreUp = ++up != m_byRed.end();
            }
        }
        if (moreDown) {
            const Entry& e = *(down - 1);
            const int dr = color.r - e.color.r;
            if (dr * dr > best) {
                moreDown = false;
            } else {
                consider(e);
                moreDown = --down != m_byRed.begin();
            }
        }
    }
    return bestIndex;
}

}  // namespace quillmere::image
