#include "dateentry/calendar_layout.h"
#include "dateentry/calendar_math.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

std::int64_t dn(int y, int m, int d) {
    return *dayNumberOf(y, m, d);
}

TEST(CalendarMath, KeysMoveByDaysWeeksAndMonthsWithTheDayReduced) {
    struct Case {
        std::int64_t from;
        CalendarKey key;
        std::int64_t to;
    } cases[] = {
        {dn(2001, 1, 31), CalendarKey::PageDown, dn(2001, 2, 28)},
        {dn(2004, 1, 31), CalendarKey::PageDown, dn(2004, 2, 29)},
        {dn(2001, 3, 31), CalendarKey::PageUp, dn(2001, 2, 28)},
        {dn(2000, 3, 31), CalendarKey::PageUp, dn(2000, 2, 29)},
        {dn(2000, 1, 15), CalendarKey::PageUp, dn(1999, 12, 15)},
        {dn(1999, 12, 15), CalendarKey::PageDown, dn(2000, 1, 15)},
        {dn(2000, 3, 1), CalendarKey::Left, dn(2000, 2, 29)},
        {dn(1999, 12, 31), CalendarKey::Right, dn(2000, 1, 1)},
        {dn(2000, 1, 3), CalendarKey::Up, dn(1999, 12, 27)},
        {dn(2000, 12, 28), CalendarKey::Down, dn(2001, 1, 4)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(calendarKeyTarget(c.key, c.from), c.to) << c.from;
}

TEST(CalendarMath, ArrowButtonsStopAtTheLimits) {
    const DateLimits none;
    // Next from 31 October: 30 November; previous from 31 March: 28 or 29 February.
    ArrowTarget t = nextMonthTarget(monthSpan(2001, 10), dn(2001, 10, 31), 1, none);
    EXPECT_EQ(t.day, dn(2001, 11, 30));
    EXPECT_FALSE(t.stoppedAtLimit);
    EXPECT_EQ(previousMonthTarget(monthSpan(2001, 3), dn(2001, 3, 31), 1, none).day,
              dn(2001, 2, 28));
    EXPECT_EQ(previousMonthTarget(monthSpan(2004, 3), dn(2004, 3, 31), 1, none).day,
              dn(2004, 2, 29));
    t = previousMonthTarget(monthSpan(1900, 1), dn(1900, 1, 15), 1, none);
    EXPECT_EQ(t.day, dn(1899, 12, 31));
    EXPECT_TRUE(t.stoppedAtLimit); // 15 December 1899 lies before the lower limit
    t = nextMonthTarget(monthSpan(9999, 12), dn(9999, 12, 1), 1, none);
    EXPECT_EQ(t.day, dn(9999, 12, 31));
    EXPECT_TRUE(t.stoppedAtLimit);
    const DateLimits tight{dn(2000, 1, 10), dn(2000, 3, 5)};
    t = nextMonthTarget(monthSpan(2000, 2), dn(2000, 2, 20), 1, tight);
    EXPECT_EQ(t.day, dn(2000, 3, 5));
    EXPECT_TRUE(t.stoppedAtLimit);
}

TEST(CalendarMath, SixWeeksStartOnTheFirstDayOfTheWeek) {
    // 1 February 2004 is a Sunday: with Sunday first a week of January comes before it.
    EXPECT_EQ(firstGridDay(2004, 2, 6), dn(2004, 1, 25));
    EXPECT_EQ(firstGridDay(2004, 2, 0), dn(2004, 1, 26)); // Monday first
    EXPECT_EQ(firstGridDay(2004, 3, 6), dn(2004, 2, 29)); // 1 March is a Monday
    RegionalSettings rs;
    rs.firstDayOfWeek = 0;
    EXPECT_EQ(mondayBasedFirstDay(rs), 6);
    rs.firstDayOfWeek = 1;
    EXPECT_EQ(mondayBasedFirstDay(rs), 0);
}

TEST(CalendarMath, GridCellsShowTheDayOfTheirMonth) {
    struct Case {
        int year, month;
        std::int64_t day;
        int expected;
    } cases[] = {
        {2026, 3, dn(2026, 2, 27), 27},
        {2026, 3, dn(2026, 3, 1), 1},
        {2026, 3, dn(2026, 3, 31), 31},
        {2026, 3, dn(2026, 4, 11), 11},
        {2004, 3, dn(2004, 2, 29), 29},
        // The weeks around the calendar's ends reach past it.
        {9999, 12, dn(9999, 12, 31), 31},
        {9999, 12, dn(9999, 12, 31) + 1, 1},
        {9999, 12, dn(9999, 12, 31) + 9, 9},
        {1, 1, dn(1, 1, 1), 1},
        {1, 1, dn(1, 1, 1) - 1, 31},
        {1, 1, dn(1, 1, 1) - 6, 26},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gridCellDay(c.day, monthSpan(c.year, c.month)), c.expected)
            << c.year << "-" << c.month << " cell " << c.day;
    // Every trailing cell of December 9999 counts on from 1.
    const MonthSpan last = monthSpan(9999, 12);
    const std::int64_t first = firstGridDay(9999, 12, 6);
    int next = 1;
    for (std::int64_t d = last.last + 1; d < first + GridDays; ++d)
        EXPECT_EQ(gridCellDay(d, last), next++);
    EXPECT_GT(next, 1);
}

TEST(CalendarMenus, MonthMenuChecksTheMonthAndDisablesMonthsBeyondLimits) {
    const RegionalSettings rs;
    const auto items = monthMenu(rs, 2000, 3, 31, DateLimits{dn(2000, 2, 15), dn(2000, 11, 20)});
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[0].caption, "January");
    EXPECT_FALSE(items[0].enabled);
    EXPECT_TRUE(items[1].enabled); // 29 February lies after the 15th
    EXPECT_TRUE(items[2].checked);
    EXPECT_TRUE(items[9].enabled);
    EXPECT_FALSE(items[10].enabled); // 30 November lies after the 20th
    EXPECT_FALSE(items[11].enabled);
}

TEST(CalendarMenus, YearMenuListsTwentyYearsInTwoColumns) {
    const DateLimits none;
    auto items = yearMenu(TdpPopupYearOptions{}, 2020, 2, 29, none);
    ASSERT_EQ(items.size(), 20u);
    EXPECT_EQ(items.front().caption, "1990");
    EXPECT_EQ(items.back().caption, "2009");
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_FALSE(items[i].checked); // 2020 is not listed
        EXPECT_EQ(items[i].columnBreak, i == 10) << i;
    }
    items = yearMenu(TdpPopupYearOptions{}, 2000, 2, 29, DateLimits{dn(1995, 3, 1), LastFieldDay});
    EXPECT_TRUE(items[10].checked);
    EXPECT_FALSE(items[5].enabled); // February 1995 lies before the limit
    EXPECT_TRUE(items[6].enabled);

    TdpPopupYearOptions edit;
    edit.ShowEditYear = true;
    edit.YearsPerColumn = 5;
    items = yearMenu(edit, 2000, 1, 1, none);
    ASSERT_EQ(items.size(), 12u);
    EXPECT_TRUE(items[0].editYear);
    EXPECT_TRUE(items[1].separator);
    EXPECT_TRUE(items[2].columnBreak);
    EXPECT_TRUE(items[7].columnBreak);
}

TEST(CalendarLayout, HitTestFindsEveryPart) {
    CalendarMetrics m;
    const CalendarSize min = minimumCalendarSize(m);
    const CalendarLayout l = layoutCalendar(m, 0, 0);
    const std::int64_t first = dn(2004, 1, 25);
    auto at = [&](const CalRect& r) {
        return hitTestCalendar(l, first, r.x + 1, r.y + 1);
    };
    EXPECT_EQ(at(l.prevButton).hit, CalendarHit::TitleBtnPrev);
    EXPECT_EQ(at(l.nextButton).hit, CalendarHit::TitleBtnNext);
    EXPECT_EQ(at(l.titleMonth).hit, CalendarHit::TitleMonth);
    EXPECT_EQ(at(l.titleYear).hit, CalendarHit::TitleYear);
    EXPECT_EQ(at(l.header).hit, CalendarHit::DayOfWeek);
    EXPECT_EQ(at(l.todayLine).hit, CalendarHit::TodayLink);
    const CalendarHitInfo last = at(dayCell(l, 41));
    EXPECT_EQ(last.hit, CalendarHit::CalendarDay);
    EXPECT_EQ(last.day, first + 41);
    EXPECT_EQ(at(dayCell(l, 8)).day, first + 8);
    EXPECT_EQ(hitTestCalendar(l, first, 0, l.grid.y + 2).hit, CalendarHit::CalendarBackground);
    EXPECT_EQ(hitTestCalendar(l, first, min.width + 5, 40).hit, CalendarHit::Nowhere);
    // Everything fits the minimum size.
    EXPECT_LE(l.todayLine.bottom(), min.height);
    EXPECT_LE(l.grid.right(), min.width);

    m.weekNumbers = true;
    const CalendarLayout w = layoutCalendar(m, 0, 0);
    const CalendarHitInfo week = hitTestCalendar(w, first, w.weekColumn.x + 1, w.grid.y + 1);
    EXPECT_EQ(week.hit, CalendarHit::WeekNumber);
    EXPECT_EQ(week.day, first);
}

} // namespace
} // namespace vz
