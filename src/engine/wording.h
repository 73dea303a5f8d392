// The interval in words: the display's eleven texts for the selected event, the Day and When
// cells of each listed event, and the status bar's clock line.
//
//     vz::DisplayTexts t = vz::displayTexts("Birthday", "6/1/1997", "09:00 AM", now, rs);
//     // t.lblAll == "1 month 14 days 21 hours ", t.lblAll2 == "0", …
#pragma once

#include "engine/datediff.h"
#include "engine/regional.h"

#include <string>
#include <string_view>

namespace vz {

std::string iplural(int n);
std::string dplural(double x);

struct ComponentTexts {
    std::string line; // e.g. "1 year 2 months " (seconds omitted) or "1 yr 2 mos 3 secs"
    std::string secondsNumber;
    std::string secondsWord;
};
ComponentTexts ymdhms(const TDateDiff& dd, bool abbreviated, bool omitSeconds);

// "%.0n": rounded to a whole number, grouped by threes with the thousands separator.
std::string formatWhole(double value, std::string_view thousandSeparator);

struct DisplayTexts {
    std::string lblName, lblAll, lblAll2, lblAll3, lblWeekend, lblDays, lblHour, lblMin, lblSecs,
        lblSecs2, lblSecs3;
};

// Texts for one interval. Callers form the instant themselves (the conversion may fail).
void fillDisplayTexts(DisplayTexts& out, std::string_view description, const TDateDiff& dd,
                      const RegionalSettings& rs);

struct RowCells {
    std::string day;  // "ddd" of the event's date
    std::string when; // abbreviated components with seconds
};
void fillRowCells(RowCells& out, TDateTime eventInstant, TDateTime now, const RegionalSettings& rs);

// "It is now <dddd> <date text> at <long time>".
std::string clockLine(TDateTime now, const RegionalSettings& rs);

} // namespace vz
