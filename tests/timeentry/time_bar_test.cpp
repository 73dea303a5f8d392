#include "timeentry/time_bar.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

TEST(TimeBar, TimesToColumns) {
    EXPECT_EQ(TimetoX(0, 0), 7);
    EXPECT_EQ(TimetoX(7, 0), 147);
    EXPECT_EQ(TimetoX(12, 0), 247);
    EXPECT_EQ(TimetoX(19, 0), 387);
    EXPECT_EQ(TimetoX(23, 59), 486);
}

TEST(TimeBar, ColumnsToSnappedTimes) {
    struct Case {
        int column;
        HourMinute time;
    } cases[] = {{5, {0, 0}},     {7, {0, 0}},   {8, {0, 0}},   {9, {0, 5}},
                 {10, {0, 5}},    {11, {0, 10}}, {27, {1, 0}},  {28, {1, 0}},
                 {486, {23, 55}}, {487, {0, 0}}, {489, {24, 0}}};
    for (const Case& c : cases)
        EXPECT_EQ(Xtotime(c.column), c.time) << c.column;
}

TEST(TimeBar, SnapsEveryThreeMinuteStep) {
    const int expected[] = {0,  5,  5,  10, 10, 15, 15, 20, 25, 30,
                            30, 35, 35, 40, 45, 45, 50, 50, 55};
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(adjustTo5Minutes(10, 3 * i), (HourMinute{10, expected[i]})) << 3 * i;
    EXPECT_EQ(adjustTo5Minutes(10, 57), (HourMinute{11, 0}));
    EXPECT_EQ(adjustTo5Minutes(23, 57), (HourMinute{0, 0}));
}

TEST(TimeBar, PointerColumns) {
    EXPECT_FALSE(pointerAccepts(6));
    EXPECT_TRUE(pointerAccepts(7));
    EXPECT_TRUE(pointerAccepts(487));
    EXPECT_FALSE(pointerAccepts(488));
}

TEST(TimeBar, KeysStopAtTheEndsOfTheDay) {
    EXPECT_EQ(stepTime({23, 59}, TimeBarKey::Up), (HourMinute{23, 59}));
    EXPECT_EQ(stepTime({9, 59}, TimeBarKey::Up), (HourMinute{10, 0}));
    EXPECT_EQ(stepTime({0, 0}, TimeBarKey::Down), (HourMinute{0, 0}));
    EXPECT_EQ(stepTime({10, 0}, TimeBarKey::Down), (HourMinute{9, 59}));
    EXPECT_EQ(stepTime({23, 10}, TimeBarKey::PageUp), (HourMinute{23, 10}));
    EXPECT_EQ(stepTime({22, 10}, TimeBarKey::PageUp), (HourMinute{23, 10}));
    EXPECT_EQ(stepTime({0, 40}, TimeBarKey::PageDown), (HourMinute{0, 40}));
}

} // namespace
} // namespace vz
