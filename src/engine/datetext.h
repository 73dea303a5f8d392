// Date and time text: formatting a value with a pattern, and reading date and time texts back,
// both driven by a RegionalSettings value.
//
// Pattern language (letters in either case): d dd (day), ddd dddd (short/long weekday name),
// ddddd (short date pattern), dddddd (long date pattern), m mm (month, or minute right after an
// hour), mmm mmmm (short/long month name), yy yyyy, h hh, n nn (minute), s ss, z zzz (ms),
// am/pm a/p (the given case), ampm (the locale's designators), c (short date + long time),
// t (short time), tt (long time), / and : (the separators), "…" and '…' literals.
//
//     vz::formatDateTime("dddd", 36526.0, rs)          // "Saturday"
//     vz::strToDate("1/1/2000", rs, 2026)              // 36526.0
//     vz::strToTime("12:00 AM", rs)                    // 0.0
#pragma once

#include "engine/datetime.h"
#include "engine/regional.h"

#include <string>
#include <string_view>

namespace vz {

inline constexpr std::string_view InvalidDateMessage = "'%s' is not a valid date";
inline constexpr std::string_view InvalidTimeMessage = "'%s' is not a valid time";

std::string formatDateTime(std::string_view pattern, TDateTime value, const RegionalSettings& rs);

// Date text with the short date pattern; time text with the long time pattern.
std::string dateToStr(TDateTime value, const RegionalSettings& rs);
std::string timeToStr(TDateTime value, const RegionalSettings& rs);

// Reads a date text (day number with no fraction). A missing or two-digit year takes the
// current year or century. Besides the date separator, the short date pattern's own literals
// are read where the pattern puts them ("25.12.2026 г."); blanks and bidi marks are skipped.
// Throws EConvertError("'<text>' is not a valid date").
TDateTime strToDate(std::string_view text, const RegionalSettings& rs, int currentYear);
bool tryStrToDate(std::string_view text, const RegionalSettings& rs, int currentYear,
                  TDateTime& result);

// Reads a time text into a fraction of a day. The designators may be the settings', AM and PM
// in any case, or any other locale's that names one half of the day (with or without its dots
// and blanks); the separator the settings' or ':' or '.', so a time text written under another
// locale reads too. Throws EConvertError("'<text>' is not a valid time").
double strToTime(std::string_view text, const RegionalSettings& rs);
bool tryStrToTime(std::string_view text, const RegionalSettings& rs, double& result);

// The event instant of a row: its date text and time text joined (see combineDateAndTime).
TDateTime eventInstant(std::string_view dateText, std::string_view timeText,
                       const RegionalSettings& rs, int currentYear);

// -1 when the pattern holds "yyyy"; else the 1-based position of the first "yy", or 0.
int shortYearPos(std::string_view pattern);
// Widens a two-digit year field of the short date pattern to four digits.
void fix2000(RegionalSettings& rs);

} // namespace vz
