#include "engine/datediff.h"

#include <cmath>

namespace vz {

namespace {

// Before day 0 a value is read on its magnitude (-1.25 is 29 December 1899, 06:00); this puts
// every value on one ascending time line so that differences and comparisons hold across day 0.
double onTimeLine(TDateTime value) {
    if (value >= 0 || !std::isfinite(value))
        return value;
    const double day = std::trunc(value);
    return day + (day - value);
}

int borrowedMonthLength(int year, int month) {
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return isLeapYear(year) ? 29 : 28;
    default:
        return 31;
    }
}

// Whole units in a difference of days, truncated toward zero. A difference that lies within a
// microsecond of a whole millisecond is taken as that millisecond, so that the rounding noise of
// subtracting two day values does not turn exactly one second into 0.999999 of one.
double wholeUnits(double days, double msPerUnit) {
    double ms = days * MSecsPerDay;
    const double nearest = std::round(ms);
    if (std::fabs(ms - nearest) < 1e-3)
        ms = nearest;
    return std::trunc(ms / msPerUnit);
}

} // namespace

void computedatediff(TDateDiff& result, TDateTime event, TDateTime now) {
    const double eventLine = onTimeLine(event);
    const double nowLine = onTimeLine(now);
    result.Future = eventLine > nowLine;
    const TDateTime earlier = result.Future ? now : event;
    const TDateTime later = result.Future ? event : now;

    const DecodedDateTime e = decodeDateTime(earlier);
    const DecodedDateTime l = decodeDateTime(later);
    int years = l.year - e.year;
    int months = l.month - e.month;
    int days = l.day - e.day;
    int hours = l.hour - e.hour;
    int minutes = l.minute - e.minute;
    int seconds = l.second - e.second;
    if (seconds < 0) {
        seconds += 60;
        --minutes;
    }
    if (minutes < 0) {
        minutes += 60;
        --hours;
    }
    if (hours < 0) {
        hours += 24;
        --days;
    }
    if (days < 0) {
        days += borrowedMonthLength(e.year, e.month);
        --months;
    }
    if (months < 0) {
        months += 12;
        --years;
    }
    result.Years = years;
    result.Months = months;
    result.Days = days;
    result.Hours = hours;
    result.Minutes = minutes;
    result.Seconds = seconds;

    double d = std::fabs(nowLine - eventLine);
    if (!std::isfinite(d))
        d = 0;
    result.TotalSeconds = wholeUnits(d, 1000.0);
    result.TotalMinutes = wholeUnits(d, 60'000.0);
    result.TotalHours = wholeUnits(d, 3'600'000.0);

    const std::int64_t earlierDay = splitDateTime(earlier).day;
    const std::int64_t laterDay = splitDateTime(later).day;
    result.TotalDays = static_cast<double>(laterDay - earlierDay);

    double weekends = std::trunc(wholeUnits(d, MSecsPerDay) / 7.0);
    const int laterWeekday = dayOfWeekOfDayNumber(laterDay);
    const int earlierWeekday = dayOfWeekOfDayNumber(earlierDay);
    if (laterWeekday > 1 && earlierWeekday < 7 && laterWeekday < earlierWeekday)
        weekends += 1;
    result.Weekends = weekends;
}

} // namespace vz
