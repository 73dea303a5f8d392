#include "dateentry/calendar_math.h"

#include <algorithm>

namespace vz {

int mondayBasedFirstDay(const RegionalSettings& rs) {
    return (std::clamp(rs.firstDayOfWeek, 0, 6) + 6) % 7;
}

std::int64_t reducedDay(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12)
        return 0;
    return dayNumberOf(year, month, std::clamp(day, 1, daysInMonth(year, month))).value_or(0);
}

std::int64_t firstGridDay(int year, int month, int firstDayMondayBased) {
    const std::int64_t first = reducedDay(year, month, 1);
    // dayOfWeekOfDayNumber: 1 = Sunday; as Monday-based: Monday 0 … Sunday 6.
    const int mondayBased = (dayOfWeekOfDayNumber(first) + 5) % 7;
    int lead = (mondayBased - firstDayMondayBased + 7) % 7;
    if (lead == 0)
        lead = 7;
    return first - lead;
}

std::int64_t sameDayMonthsAway(std::int64_t day, int months) {
    const DecodedDate d = decodeDayNumber(day);
    const int index = d.year * 12 + (d.month - 1) + months;
    const std::int64_t target = reducedDay(index / 12, index % 12 + 1, d.day);
    return target != 0 ? target : day + (months < 0 ? -31 : 31); // beyond the calendar
}

std::int64_t calendarKeyTarget(CalendarKey key, std::int64_t day) {
    switch (key) {
    case CalendarKey::PageUp:
        return sameDayMonthsAway(day, -1);
    case CalendarKey::PageDown:
        return sameDayMonthsAway(day, +1);
    case CalendarKey::Left:
        return day - 1;
    case CalendarKey::Right:
        return day + 1;
    case CalendarKey::Up:
        return day - 7;
    case CalendarKey::Down:
        return day + 7;
    }
    return day;
}

MonthSpan monthSpan(int year, int month) {
    return {reducedDay(year, month, 1), reducedDay(year, month, 31)};
}

int gridCellDay(std::int64_t day, MonthSpan shown) {
    // Worked out from the shown month, not by decoding the cell's own date, which need not
    // exist: the weeks around December 9999 and January 1 reach past the calendar.
    if (day > shown.last)
        return static_cast<int>(day - shown.last);
    if (day < shown.first) {
        const DecodedDate first = decodeDayNumber(shown.first);
        const int previousLength = first.month == 1 ? 31 : daysInMonth(first.year, first.month - 1);
        return previousLength - static_cast<int>(shown.first - day) + 1;
    }
    return static_cast<int>(day - shown.first) + 1;
}

namespace {

ArrowTarget arrowTarget(std::int64_t monthDay, std::int64_t current, int months,
                        const DateLimits& limits) {
    const DecodedDate base = decodeDayNumber(monthDay);
    const DecodedDate cur = decodeDayNumber(current);
    const int index = base.year * 12 + (base.month - 1) + months;
    const int year = index / 12;
    if (index < 12 || year > 9999)
        return {months < 0 ? limits.lower : limits.upper, true};
    const std::int64_t target = reducedDay(year, index % 12 + 1, cur.day);
    if (target < limits.lower)
        return {limits.lower, true};
    if (target > limits.upper)
        return {limits.upper, true};
    return {target, false};
}

bool sameDayAllowed(int year, int month, int day, const DateLimits& limits) {
    const std::int64_t d = reducedDay(year, month, day);
    return d != 0 && limits.contains(d);
}

} // namespace

ArrowTarget previousMonthTarget(MonthSpan visible, std::int64_t current, int delta,
                                const DateLimits& limits) {
    return arrowTarget(visible.first, current, -delta, limits);
}

ArrowTarget nextMonthTarget(MonthSpan visible, std::int64_t current, int delta,
                            const DateLimits& limits) {
    return arrowTarget(visible.last, current, +delta, limits);
}

std::vector<CalendarMenuItem> monthMenu(const RegionalSettings& rs, int displayedYear,
                                        int displayedMonth, int day, const DateLimits& limits) {
    std::vector<CalendarMenuItem> items;
    for (int m = 1; m <= 12; ++m) {
        CalendarMenuItem item;
        item.caption = rs.longMonthNames[static_cast<std::size_t>(m - 1)];
        item.value = m;
        item.checked = m == displayedMonth;
        item.enabled = sameDayAllowed(displayedYear, m, day, limits);
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<CalendarMenuItem> yearMenu(const TdpPopupYearOptions& options, int displayedYear,
                                       int displayedMonth, int day, const DateLimits& limits) {
    std::vector<CalendarMenuItem> items;
    const int perColumn = std::max(1, options.YearsPerColumn);
    const bool editYear = options.ShowEditYear;
    if (editYear) {
        CalendarMenuItem edit;
        edit.caption = std::string(PopupYearLabel);
        edit.editYear = true;
        items.push_back(std::move(edit));
        CalendarMenuItem separator;
        separator.caption = "-";
        separator.separator = true;
        separator.enabled = false;
        items.push_back(std::move(separator));
    }
    const int count = perColumn * std::max(1, options.NumberColumns);
    for (int k = 0; k < count; ++k) {
        const int year = options.StartYear + k;
        CalendarMenuItem item;
        item.caption = std::to_string(year);
        item.value = year;
        item.checked = year == displayedYear;
        item.enabled = sameDayAllowed(year, displayedMonth, day, limits);
        item.columnBreak = (k != 0 && k % perColumn == 0) || (k == 0 && editYear && perColumn > 1);
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace vz
