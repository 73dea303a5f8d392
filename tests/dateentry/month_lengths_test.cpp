// Typing and paging where only the length of the month decides: every month of a common and a
// leap year, so a rule that holds for February and March alone cannot pass.
#include "dateentry/calendar_math.h"
#include "dateentry/date_field_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vz {
namespace {

constexpr int CommonYear = 2001;
constexpr int LeapYear = 2004;

int daysIn(int year, int month) {
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && year % 4 == 0 ? 29 : days[month - 1];
}

std::int64_t dn(int y, int m, int d) {
    return *dayNumberOf(y, m, d);
}

TEST(MonthLengths, TypedThreeWaitsForASecondDigitOnlyWhereADayFromThirtyOnExists) {
    const TDateTime now = encodeDateTime(2026, 3, 14, 10, 30, 0, 0);
    for (const int year : {CommonYear, LeapYear}) {
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(month));
            DateFieldEngine f{usDefaults()};
            f.setValue(encodeDateTime(year, month, 10, 0, 0, 0, 0));
            f.focusIn(false);
            f.key(FieldKey::of(FieldKey::Right), now); // to the day
            f.key(FieldKey::character(U'3'), now);
            if (daysIn(year, month) >= 30) {
                EXPECT_TRUE(f.typing());
                EXPECT_EQ(f.currentElement(), 2);
                f.key(FieldKey::character(U'0'), now);
                EXPECT_EQ(f.value(), encodeDateTime(year, month, 30, 0, 0, 0, 0));
            } else {
                EXPECT_FALSE(f.typing());
                EXPECT_EQ(f.value(), encodeDateTime(year, month, 3, 0, 0, 0, 0));
            }
            EXPECT_EQ(f.currentElement(), 3);
        }
    }
}

TEST(MonthLengths, PagingFromTheLastDayKeepsItWhereTheOtherMonthHasIt) {
    for (const int year : {CommonYear, LeapYear}) {
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(month));
            const int last = daysIn(year, month);
            const int nextYear = month == 12 ? year + 1 : year;
            const int nextMonth = month % 12 + 1;
            const int previousYear = month == 1 ? year - 1 : year;
            const int previousMonth = (month + 10) % 12 + 1;
            EXPECT_EQ(calendarKeyTarget(CalendarKey::PageDown, dn(year, month, last)),
                      dn(nextYear, nextMonth, std::min(last, daysIn(nextYear, nextMonth))));
            EXPECT_EQ(calendarKeyTarget(CalendarKey::PageUp, dn(year, month, last)),
                      dn(previousYear, previousMonth,
                         std::min(last, daysIn(previousYear, previousMonth))));
            const DateLimits none;
            EXPECT_EQ(nextMonthTarget(monthSpan(year, month), dn(year, month, last), 1, none).day,
                      dn(nextYear, nextMonth, std::min(last, daysIn(nextYear, nextMonth))));
        }
    }
}

} // namespace
} // namespace vz
