#include "widgets/contrast.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

struct Pair {
    Rgb a, b;
    double ratio;
};

void PrintTo(const Pair& p, std::ostream* os) {
    *os << int(p.a.r) << "," << int(p.a.g) << "," << int(p.a.b) << " on " << int(p.b.r) << ","
        << int(p.b.g) << "," << int(p.b.b);
}

class ContrastRatio : public ::testing::TestWithParam<Pair> {};

TEST_P(ContrastRatio, OfKnownPairs) {
    const Pair& p = GetParam();
    EXPECT_NEAR(contrastRatio(p.a, p.b), p.ratio, 0.05);
    EXPECT_NEAR(contrastRatio(p.b, p.a), p.ratio, 0.05); // the order does not matter
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ContrastRatio,
    ::testing::Values(
        Pair{EsColor::Black, EsColor::White, 21.0}, Pair{EsColor::White, EsColor::White, 1.0},
        Pair{EsColor::Grey, EsColor::White, 3.95},        // the classic grey text
        Pair{EsColor::Navy, {0xef, 0xef, 0xef}, 13.92},   // navy on a light window
        Pair{EsColor::Black, {0x32, 0x32, 0x32}, 1.66},   // black on dark grey
        Pair{{0x76, 0x76, 0x76}, EsColor::White, 4.54})); // the lightest grey that reads

TEST(Contrast, ReadsFromFourAndAHalf) {
    EXPECT_TRUE(reads({0x76, 0x76, 0x76}, EsColor::White));
    EXPECT_FALSE(reads({0x77, 0x77, 0x77}, EsColor::White));
}

} // namespace
} // namespace vz
