// Where the parts of the month calendar lie for a given font, and what lies under a point: the
// title band with its arrow buttons, month and year, the day-of-week header, an optional
// week-number column, six weeks of days and the today line.
//
//     vz::CalendarLayout l = vz::layoutCalendar(metrics, 180, 160);
//     vz::CalendarHitInfo h = vz::hitTestCalendar(l, firstGridDay, 20, 60); // a day, or …
#pragma once

#include <cstdint>

namespace vz {

struct CalRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
    int right() const { return x + w; }
    int bottom() const { return y + h; }
};

// Measures of the font the calendar draws with, in pixels.
struct CalendarMetrics {
    int lineHeight = 13;
    int cellTextWidth = 14;  // the widest of "00" and the day-of-week header names
    int titleTextWidth = 90; // the widest month name, a blank and a four-digit year
    int todayTextWidth = 90; // the today line's text
    int monthTextWidth = 40; // the displayed month's name
    int yearTextWidth = 26;  // the displayed year
    int spaceWidth = 3;
    bool weekNumbers = false;
    bool todayLine = true;
};

struct CalendarLayout {
    CalRect title, prevButton, nextButton, titleMonth, titleYear;
    CalRect header, weekColumn, grid, todayLine;
    int cellWidth = 0, cellHeight = 0;
    int margin = 0;
};

struct CalendarSize {
    int width = 0, height = 0;
};

CalendarSize minimumCalendarSize(const CalendarMetrics& m);
// Lays the parts out in a size (raised to the minimum), the weeks centred.
CalendarLayout layoutCalendar(const CalendarMetrics& m, int width, int height);

enum class CalendarHit {
    Nowhere,
    TitleBackground,
    TitleMonth,
    TitleYear,
    TitleBtnPrev,
    TitleBtnNext,
    DayOfWeek,
    WeekNumber,
    CalendarDay,
    CalendarBackground,
    TodayLink,
};

struct CalendarHitInfo {
    CalendarHit hit = CalendarHit::Nowhere;
    std::int64_t day = 0; // for CalendarDay, and the row's first day for WeekNumber
};

CalendarHitInfo hitTestCalendar(const CalendarLayout& l, std::int64_t firstGridDay, int x, int y);

// The cell of a grid index 0…41.
CalRect dayCell(const CalendarLayout& l, int index);

} // namespace vz
