#include "engine/datediff.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>

namespace vz {
namespace {

TDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return encodeDateTime(y, mo, d, h, mi, s, ms);
}

TDateDiff diff(TDateTime event, TDateTime now) {
    TDateDiff dd;
    computedatediff(dd, event, now);
    return dd;
}

struct Components {
    int y, mo, d, h, mi, s;
};

void expectComponents(const TDateDiff& dd, Components c) {
    EXPECT_EQ(dd.Years, c.y);
    EXPECT_EQ(dd.Months, c.mo);
    EXPECT_EQ(dd.Days, c.d);
    EXPECT_EQ(dd.Hours, c.h);
    EXPECT_EQ(dd.Minutes, c.mi);
    EXPECT_EQ(dd.Seconds, c.s);
}

TEST(DateTime, DecodesDayZeroAndNegativeValuesOnTheirMagnitude) {
    const DecodedDateTime zero = decodeDateTime(0.0);
    EXPECT_EQ(zero.year, 1899);
    EXPECT_EQ(zero.month, 12);
    EXPECT_EQ(zero.day, 30);
    EXPECT_EQ(dayOfWeek(0.0), 7);
    EXPECT_EQ(dayOfWeek(1.0), 1);

    const DecodedDateTime before = decodeDateTime(-1.25);
    EXPECT_EQ(before.day, 29);
    EXPECT_EQ(before.hour, 6);

    // An instant before day 0 formed from a date and a time reads back as that date and time.
    const DecodedDateTime formed = decodeDateTime(at(1899, 12, 29, 6, 0, 0));
    EXPECT_EQ(formed.day, 29);
    EXPECT_EQ(formed.hour, 6);
    EXPECT_EQ(decodeDateTime(at(1800, 3, 1, 23, 59, 59)).second, 59);
}

TEST(DateTime, RoundsToTheNearestMillisecondAndSurvivesExtremes) {
    EXPECT_EQ(decodeDateTime(36526.0 + 0.3 / MSecsPerDay).millisecond, 0);
    EXPECT_EQ(decodeDateTime(36526.0 + 0.7 / MSecsPerDay).millisecond, 1);
    EXPECT_EQ(decodeDateTime(36526.0 + (MSecsPerDay - 0.2) / MSecsPerDay).day, 2);
    for (const double v : {double(NAN), double(INFINITY), -double(INFINITY), 1e300, -1e300, 1e7})
        EXPECT_EQ(decodeDateTime(v).year, 1899) << v;
    EXPECT_EQ(decodeDateTime(static_cast<double>(MaxDayNumber)).year, 9999);
    EXPECT_EQ(decodeDateTime(static_cast<double>(MinDayNumber)).year, 1);
}

TEST(DateDiff, LeapRuleForBorrowedMonths) {
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_TRUE(isLeapYear(1996));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_FALSE(isLeapYear(1999));
    EXPECT_FALSE(isLeapYear(4000));
    EXPECT_TRUE(isLeapYear(2400));
}

TEST(DateDiff, EqualInstantsAreAllZeroAndNotFuture) {
    const TDateDiff dd = diff(at(2000, 1, 1, 12), at(2000, 1, 1, 12));
    EXPECT_FALSE(dd.Future);
    expectComponents(dd, {0, 0, 0, 0, 0, 0});
    EXPECT_EQ(dd.TotalSeconds, 0);
    EXPECT_EQ(dd.TotalDays, 0);
    EXPECT_EQ(dd.Weekends, 0);
}

TEST(DateDiff, CountsDownThroughTheEventAndUpAfterIt) {
    const TDateTime event = at(2000, 6, 1, 12);
    expectComponents(diff(event, at(2000, 6, 1, 11, 58, 59)), {0, 0, 0, 0, 1, 1});
    expectComponents(diff(event, at(2000, 6, 1, 11, 59, 0)), {0, 0, 0, 0, 1, 0});
    expectComponents(diff(event, at(2000, 6, 1, 11, 59, 1)), {0, 0, 0, 0, 0, 59});
    EXPECT_TRUE(diff(event, at(2000, 6, 1, 11, 59, 1)).Future);
    const TDateDiff after = diff(event, at(2000, 6, 1, 12, 0, 2));
    EXPECT_FALSE(after.Future);
    expectComponents(after, {0, 0, 0, 0, 0, 2});
    EXPECT_EQ(after.TotalSeconds, 2);
}

TEST(DateDiff, ComponentsIgnoreMillisecondsWhileTotalsDoNot) {
    const TDateDiff a = diff(at(2000, 6, 1, 12), at(2000, 6, 1, 11, 59, 59, 600));
    EXPECT_EQ(a.Seconds, 1);
    EXPECT_EQ(a.TotalSeconds, 0);
    const TDateDiff b = diff(at(2000, 6, 1, 12), at(2000, 6, 1, 11, 59, 50, 600));
    EXPECT_EQ(b.Seconds, 10);
    EXPECT_EQ(b.TotalSeconds, 9);
}

struct Span {
    const char* name;
    TDateTime earlier, later;
    Components expected;
    double totalDays, weekends;
};

class CalendarSpans : public ::testing::TestWithParam<Span> {};

TEST_P(CalendarSpans, ReadTheSameInBothDirections) {
    const Span& s = GetParam();
    for (const bool eventFirst : {true, false}) {
        const TDateDiff dd = eventFirst ? diff(s.earlier, s.later) : diff(s.later, s.earlier);
        EXPECT_EQ(dd.Future, !eventFirst);
        expectComponents(dd, s.expected);
        EXPECT_EQ(dd.TotalDays, s.totalDays);
        EXPECT_EQ(dd.Weekends, s.weekends);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Borrowing, CalendarSpans,
    ::testing::Values(
        Span{"JanuaryToMarch1999",
             at(1999, 1, 31, 12),
             at(1999, 3, 1, 12),
             {0, 1, 1, 0, 0, 0},
             29,
             4},
        Span{"JanuaryToMarchLeap",
             at(2000, 1, 31, 12),
             at(2000, 3, 1, 12),
             {0, 1, 1, 0, 0, 0},
             30,
             4},
        Span{"ThirtiethToMarch", at(2000, 1, 30), at(2000, 3, 1), {0, 1, 2, 0, 0, 0}, 31, 4},
        Span{"EachFieldBorrows",
             at(2001, 1, 10, 22, 30, 15),
             at(2001, 1, 12, 6, 10, 5),
             {0, 0, 1, 7, 39, 50},
             2,
             0},
        Span{"FebruaryEnd", at(2001, 2, 28), at(2001, 3, 1), {0, 0, 1, 0, 0, 0}, 1, 0},
        Span{"LeapDayToNextYear", at(2000, 2, 29), at(2001, 3, 1), {1, 0, 1, 0, 0, 0}, 366, 52},
        // Friday to Monday spans one week-end; Saturday to Monday and Friday to Sunday none.
        Span{"FridayToMonday", at(1999, 3, 5), at(1999, 3, 8), {0, 0, 3, 0, 0, 0}, 3, 1},
        Span{"SaturdayToMonday", at(1999, 3, 6), at(1999, 3, 8), {0, 0, 2, 0, 0, 0}, 2, 0},
        Span{"FridayToSunday", at(1999, 3, 5), at(1999, 3, 7), {0, 0, 2, 0, 0, 0}, 2, 0},
        Span{"MondayToNextMondayEarlier",
             at(1999, 3, 1, 12),
             at(1999, 3, 8, 11),
             {0, 0, 6, 23, 0, 0},
             7,
             0},
        // Across day 0: 29 December 1899 06:00 to 30 December 1899 06:00 is one day.
        Span{"AcrossDayZero", at(1899, 12, 29, 6), at(1899, 12, 30, 6), {0, 0, 1, 0, 0, 0}, 1, 0}),
    [](const ::testing::TestParamInfo<Span>& info) { return std::string(info.param.name); });

TEST(DateDiff, MidnightCrossingCountsACalendarDay) {
    const TDateDiff dd = diff(at(2000, 1, 1, 23, 59), at(2000, 1, 2, 0, 1));
    EXPECT_EQ(dd.TotalDays, 1);
    EXPECT_EQ(dd.TotalMinutes, 2);
}

TEST(DateDiff, InstantsBeforeDayZeroMeasureTheirRealDistance) {
    const TDateDiff dd = diff(at(1899, 12, 29, 6), at(1899, 12, 29, 18));
    EXPECT_EQ(dd.TotalHours, 12);
    EXPECT_EQ(dd.Hours, 12);
    EXPECT_FALSE(dd.Future);
    EXPECT_TRUE(diff(at(1899, 12, 29, 18), at(1899, 12, 29, 6)).Future);
    const TDateDiff across = diff(at(1899, 12, 29, 23), at(1900, 1, 1, 1));
    EXPECT_EQ(across.TotalHours, 50);
    EXPECT_EQ(across.TotalDays, 3);
}

// Totals, day count and weekday against an independent computation on std::chrono.
TEST(DateDiff, TotalsAgreeWithChronoOverRandomPairs) {
    using namespace std::chrono;
    std::mt19937_64 rng(42);
    const sys_days first{year{1900} / January / 1};
    const sys_days last{year{2100} / December / 31};
    const auto span = (last - first).count();
    const sys_days dayZero{year{1899} / December / 30};
    for (int i = 0; i < 20000; ++i) {
        sys_time<milliseconds> points[2];
        for (auto& p : points) {
            const auto day =
                first + days{static_cast<long>(rng() % static_cast<unsigned long>(span))};
            p = day + milliseconds{static_cast<long>(rng() % 86'400'000)};
        }
        auto toValue = [&](sys_time<milliseconds> p) {
            const auto day = floor<days>(p);
            const auto ms = (p - day).count();
            return static_cast<double>((day - dayZero).count()) +
                   static_cast<double>(ms) / MSecsPerDay;
        };
        const TDateDiff dd = diff(toValue(points[0]), toValue(points[1]));
        const auto early = std::min(points[0], points[1]);
        const auto late = std::max(points[0], points[1]);
        const auto ms = (late - early).count();
        ASSERT_EQ(dd.Future, points[0] > points[1]);
        ASSERT_EQ(dd.TotalSeconds, static_cast<double>(ms / 1000));
        ASSERT_EQ(dd.TotalMinutes, static_cast<double>(ms / 60'000));
        ASSERT_EQ(dd.TotalHours, static_cast<double>(ms / 3'600'000));
        ASSERT_EQ(dd.TotalDays,
                  static_cast<double>((floor<days>(late) - floor<days>(early)).count()));
        const unsigned wd = weekday{floor<days>(late)}.c_encoding(); // 0 = Sunday
        ASSERT_EQ(dayOfWeek(toValue(late)), static_cast<int>(wd) + 1);
    }
}

} // namespace
} // namespace vz
