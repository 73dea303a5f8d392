#include "engine/datetext.h"

#include <gtest/gtest.h>

#include <chrono>

namespace vz {
namespace {

// Settings that name themselves over and over: each 'c' is the short date pattern again. Cut off,
// not exponential; a real pattern's text stays whole.
TEST(FormatLimits, SelfNamingPatternsEndQuicklyAndRealOnesStayWhole) {
    RegionalSettings rs = usDefaults();
    rs.shortDateFormat = "AC" + std::string(110, 'c') + "AC";
    const auto start = std::chrono::steady_clock::now();
    const std::string text = dateToStr(46364.5, rs);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_LT(text.size(), 100'000u);

    const RegionalSettings us = usDefaults();
    EXPECT_EQ(formatDateTime("dddddd tt", 46364.5, us), "Tuesday, December 8, 2026 12:00:00 PM");
}

} // namespace
} // namespace vz
