// The month calendar's date arithmetic: the six weeks shown for a month, moving the selection
// by keys and by the title's arrow buttons, and the contents of the title's month and year menus,
// all kept within the calendar's limits.
//
//     std::int64_t d = vz::calendarKeyTarget(vz::CalendarKey::PageDown, jan31); // 28/29 Feb
//     auto items = vz::yearMenu(vz::TdpPopupYearOptions{}, 2000, 2, 29, limits); // 1990 … 2009
#pragma once

#include "dateentry/date_limits.h"
#include "engine/regional.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vz {

// Columns of the calendar: 0 = Monday … 6 = Sunday.
int mondayBasedFirstDay(const RegionalSettings& rs);

// The day number shown in the first cell of the six weeks of a month. When the 1st falls in
// the first column a week of the previous month comes before it.
std::int64_t firstGridDay(int year, int month, int firstDayMondayBased);
inline constexpr int GridDays = 42;

// The same day in a month delta months away, reduced to that month's length.
std::int64_t sameDayMonthsAway(std::int64_t day, int months);

enum class CalendarKey { PageUp, PageDown, Left, Right, Up, Down };
// The date a key moves to, before the limits are applied.
std::int64_t calendarKeyTarget(CalendarKey key, std::int64_t day);

struct MonthSpan {
    std::int64_t first = 0;
    std::int64_t last = 0;
};
MonthSpan monthSpan(int year, int month);

// The title's arrow buttons: the month before the first (after the last) visible month, the
// day reduced; at a limit the date stops there and the caller beeps.
struct ArrowTarget {
    std::int64_t day = 0;
    bool stoppedAtLimit = false;
};
ArrowTarget previousMonthTarget(MonthSpan visible, std::int64_t current, int delta,
                                const DateLimits& limits);
ArrowTarget nextMonthTarget(MonthSpan visible, std::int64_t current, int delta,
                            const DateLimits& limits);

struct TdpPopupYearOptions {
    int YearsPerColumn = 10;
    int NumberColumns = 2;
    int StartYear = 1990;
    bool ShowEditYear = false;
};

inline constexpr std::string_view PopupYearLabel = "Edit Year";
inline constexpr std::string_view EnterYearPrompt = "Enter Valid Year";

struct CalendarMenuItem {
    std::string caption;
    int value = 0; // month 1…12 or year; 0 for "Edit Year" and the separator
    bool checked = false;
    bool enabled = true;
    bool columnBreak = false; // starts a new column
    bool separator = false;
    bool editYear = false;
};

// Twelve long month names, the displayed month checked, months whose same day lies beyond a
// limit disabled.
std::vector<CalendarMenuItem> monthMenu(const RegionalSettings& rs, int displayedYear,
                                        int displayedMonth, int day, const DateLimits& limits);
std::vector<CalendarMenuItem> yearMenu(const TdpPopupYearOptions& options, int displayedYear,
                                       int displayedMonth, int day, const DateLimits& limits);

// The day of the month a grid cell shows, for a cell of the month `shown` or of the weeks
// around it. Cells beyond the calendar's ends (before 1 January 1, after 31 December 9999)
// count on from the shown month as a month of 31 days would.
int gridCellDay(std::int64_t day, MonthSpan shown);

// The day of (year, month, day) with the day reduced to the month's length; nullopt-free:
// returns 0 when the year lies outside the calendar.
std::int64_t reducedDay(int year, int month, int day);

} // namespace vz
