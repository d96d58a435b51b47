#include "image/NearestColor.h"
#include "image/StandardPalette.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace quillmere::image {
namespace {

std::uint8_t bruteForce(const std::vector<Rgb>& palette, Rgb c) {
    int best = INT_MAX;
    std::uint8_t index = 0;
    for (size_t i = 0; i < palette.size(); ++i) {
        const int dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
        const int d = dr * dr + dg * dg + db * db;
        if (d < best) {
            best = d;
            index = static_cast<std::uint8_t>(i);
        }
    }
    return index;
}

TEST(StandardPalette, FollowsItsConstructionRules) {
    const auto& p = StandardPalette::colors();
    EXPECT_EQ(p[0], (Rgb{0, 0, 0}));
    EXPECT_EQ(p[9], (Rgb{166, 202, 240}));
    const Rgb firstRamp[12] = {{255, 240, 212}, {255, 226, 177}, {255, 212, 142}, {255, 198, 107},
                               {255, 184, 72},  {255, 170, 37},  {255, 170, 0},   {220, 146, 0},
                               {185, 122, 0},   {150, 98, 0},    {115, 74, 0},    {80, 50, 0}};
    for (int j = 0; j < 12; ++j) {
        EXPECT_EQ(p[10 + static_cast<size_t>(j)], firstRamp[j]) << j;
    }
    EXPECT_EQ(p[40], (Rgb{254, 0, 0}));
    EXPECT_EQ(p[226], (Rgb{242, 242, 242}));
    EXPECT_EQ(p[245], (Rgb{14, 14, 14}));
    EXPECT_EQ(p[246], (Rgb{255, 251, 240}));
    EXPECT_EQ(p[255], (Rgb{255, 255, 255}));
}

TEST(NearestColor, PicksTheClosestEntryAndTheLowerIndexOnTies) {
    const auto& standard = StandardPalette::colors();
    const NearestColor& search = NearestColor::standard();
    EXPECT_EQ(search.find({255, 0, 0}), 249);
    EXPECT_EQ(search.find({254, 0, 0}), 40);
    EXPECT_EQ(search.find({0, 0, 0}), 0);
    EXPECT_EQ(search.find({255, 255, 255}), 255);

    std::mt19937 random(11);
    std::vector<Rgb> coarse;
    for (int i = 0; i < 40; ++i) {
        // Few distinct colours, many repeated: ties everywhere.
        coarse.push_back({static_cast<std::uint8_t>(random() % 4 * 85),
                          static_cast<std::uint8_t>(random() % 4 * 85),
                          static_cast<std::uint8_t>(random() % 4 * 85)});
    }
    NearestColor coarseSearch(coarse);
    const std::vector<Rgb> standardList(standard.begin(), standard.end());
    for (int i = 0; i < 20000; ++i) {
        const Rgb c{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                    static_cast<std::uint8_t>(random())};
        ASSERT_EQ(search.find(c), bruteForce(standardList, c));
        ASSERT_EQ(coarseSearch.find(c), bruteForce(coarse, c));
    }
}

}  // namespace
}  // namespace quillmere::image
