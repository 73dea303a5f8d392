#include "widgets/stone_texture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace vz {
namespace {

TEST(StoneTexture, LightGreyAroundTheDesignedMean) {
    const auto grey = stoneTexture();
    ASSERT_EQ(grey.size(), static_cast<std::size_t>(StoneTextureSize * StoneTextureSize));
    const auto [lo, hi] = std::minmax_element(grey.begin(), grey.end());
    EXPECT_EQ(*lo, 172);
    EXPECT_EQ(*hi, 255);
    const double mean = std::accumulate(grey.begin(), grey.end(), 0.0) / grey.size();
    EXPECT_NEAR(mean, 209, 6);
    EXPECT_EQ(grey, stoneTexture()); // the same picture every time
}

// Copies laid edge to edge must not show a seam: the step across an edge is no larger than
// the steps inside the picture.
TEST(StoneTexture, JoinsWithoutASeam) {
    const auto grey = stoneTexture();
    const int n = StoneTextureSize;
    auto at = [&](int x, int y) {
        return static_cast<int>(grey[static_cast<std::size_t>(y * n + x)]);
    };
    double inside = 0, across = 0;
    for (int y = 0; y < n; ++y) {
        inside += std::abs(at(n / 2, y) - at(n / 2 - 1, y));
        across += std::abs(at(0, y) - at(n - 1, y));
    }
    EXPECT_LT(across, inside * 1.5);
    double insideRows = 0, acrossRows = 0;
    for (int x = 0; x < n; ++x) {
        insideRows += std::abs(at(x, n / 2) - at(x, n / 2 - 1));
        acrossRows += std::abs(at(x, 0) - at(x, n - 1));
    }
    EXPECT_LT(acrossRows, insideRows * 1.5);
}

} // namespace
} // namespace vz
