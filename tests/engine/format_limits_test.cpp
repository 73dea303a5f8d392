#include "engine/datetext.h"

#include <gtest/gtest.h>

#include <chrono>

namespace vz {
namespace {

// Settings that name themselves over and over: each 'c' is the short date pattern again. Cut off,
// not exponential, whether the text grows (noon: each 'c' writes a time) or stays empty
// (midnight: a 'c' writes only the date, which is 'c's again); a real pattern's text stays whole.
TEST(FormatLimits, SelfNamingPatternsEndQuicklyAndRealOnesStayWhole) {
    struct Case {
        std::string pattern;
        double value;
    };
    for (const Case& c : {
             Case{"AC" + std::string(110, 'c') + "AC", 46364.5},
             Case{std::string(128, 'C'), 46364.0},
             Case{"\x7f\x0b" + std::string(128, 'C'), 46364.0},
             Case{std::string(64, 'C') + std::string(64, 'h'), 46364.0},
         }) {
        RegionalSettings rs = usDefaults();
        rs.shortDateFormat = c.pattern;
        rs.longTimeFormat = c.pattern;
        const auto start = std::chrono::steady_clock::now();
        const std::string text = dateToStr(c.value, rs);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200))
            << c.pattern;
        EXPECT_LT(text.size(), 100'000u);
    }

    const RegionalSettings us = usDefaults();
    EXPECT_EQ(formatDateTime("dddddd tt", 46364.5, us), "Tuesday, December 8, 2026 12:00:00 PM");
}

} // namespace
} // namespace vz
