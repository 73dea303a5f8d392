// Reading a pasted text as a date, or as a date and time: more forgiving than the date text
// rules (blanks anywhere, short month names for numbers, two numbers for this year's dates).
//
//     vz::ParsePastedDate("1/1/50", rs, 2026, false)            // 1 January 2050 (54789.0)
//     vz::ParsePastedDate("Jan 2, 2000 3:04 PM", rs, 2026, true) // fails: "," is no separator
#pragma once

#include "engine/datetime.h"
#include "engine/regional.h"

#include <string_view>

namespace vz {

// The value read, or 0 when the text does not read. With withTime the time of day must follow
// and the whole text must be used; without it anything after a date with its year (and a
// blank) is ignored, while a date of two numbers must be the whole text.
TDateTime ParsePastedDate(std::string_view text, const RegionalSettings& rs, int currentYear,
                          bool withTime);

} // namespace vz
