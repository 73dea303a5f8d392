// Events that come back every year: the moment such an event counts to, which is its next
// occurrence (or, for a day afterwards, the one that has just passed), and how many years it has
// been coming back. The stored date stays the first occurrence; everything here is derived from
// it and `now`.
//
//     vz::TDateTime born = vz::encodeDateTime(1987, 3, 1, 0, 0, 0, 0);
//     vz::TDateTime now = vz::encodeDateTime(2026, 12, 9, 12, 0, 0, 0);
//     vz::eventMoment(born, true, now);      // 1 March 2027, 00:00
//     vz::yearsSince(born, vz::eventMoment(born, true, now));   // 40
#pragma once

#include "engine/datetime.h"

#include <cstdint>
#include <string_view>

namespace vz {

// The one value of an event's "Repeat" key that makes it come back every year.
inline constexpr std::string_view YearlyRepeat = "Yearly";
bool repeatsYearly(std::string_view repeatValue);

// Instants as milliseconds on one line, for comparing and subtracting them: a date-time value's
// fraction runs the other way before day 0, so the values themselves do not order.
std::int64_t instantMs(TDateTime value);
TDateTime instantFromMs(std::int64_t ms);

inline constexpr std::int64_t MsPerMinute = 60'000;
inline constexpr std::int64_t MsPerDayWhole = 86'400'000;

// The occurrence of a yearly event in `year` (1 to 9999): the first occurrence's month and day
// (29 February falls on 28 February in other years) at its time of day.
TDateTime occurrenceIn(TDateTime first, int year);

// The moment an event counts to at `now`: for a one-off event its own instant; for a yearly one
// the latest occurrence while less than a day has passed since it, else the next occurrence.
// Never earlier than the first occurrence, and never after the calendar's last year.
TDateTime eventMoment(TDateTime first, bool yearly, TDateTime now);

// Whole calendar years from the first occurrence to `occurrence` (0 for the first itself).
int yearsSince(TDateTime first, TDateTime occurrence);

} // namespace vz
