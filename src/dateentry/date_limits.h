// The lower and upper limits a date field and its calendar keep a date within, and the error
// raised when a date is set beyond a limit that was set explicitly.
//
//     vz::DateLimits limits = vz::DateLimits::of(0, 0);       // 31 Dec 1899 … 31 Dec 9999
//     limits.check(36526.0, rs);                                // passes
//     vz::checkExplicitLimits(40000.0, 0, 36526.0, rs);        // throws "Date exceeds maximum of
//     …"
#pragma once

#include "engine/datetime.h"
#include "engine/regional.h"

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace vz {

class EDateTimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::string_view DateExceedsMaximumMessage = "Date exceeds maximum of %s";
inline constexpr std::string_view DateBelowMinimumMessage = "Date is less than minimum of %s";

// 31 December 1899 and 31 December 9999: the bounds when no limit is set.
inline constexpr std::int64_t FirstFieldDay = 1;
inline constexpr std::int64_t LastFieldDay = MaxDayNumber;

// Whole-day part of a value (towards zero, as the value's day is read).
std::int64_t wholeDay(TDateTime value);
// Time-of-day part of a value as a fraction of a day, to the millisecond.
double timeOfDay(TDateTime value);

// Effective limits as day numbers; a limit of 0 means "not set".
struct DateLimits {
    std::int64_t lower = FirstFieldDay;
    std::int64_t upper = LastFieldDay;

    static DateLimits of(TDateTime minDate, TDateTime maxDate);
    bool contains(std::int64_t day) const { return day >= lower && day <= upper; }
    std::int64_t clamp(std::int64_t day) const;
};

// Throws EDateTimeError when the value's day lies beyond a limit that is set (not 0).
void checkExplicitLimits(TDateTime value, TDateTime minDate, TDateTime maxDate,
                         const RegionalSettings& rs);

// The same for a day number, which may lie beyond the calendar.
void checkExplicitDayLimits(std::int64_t day, TDateTime minDate, TDateTime maxDate,
                            const RegionalSettings& rs);

// Throws EDateTimeError when a new pair of limits would have the lower above the upper.
void checkLimitPair(TDateTime minDate, TDateTime maxDate, const RegionalSettings& rs);

} // namespace vz
