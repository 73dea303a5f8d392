#include "dateentry/date_limits.h"

#include "engine/convert_error.h"
#include "engine/datetext.h"

#include <algorithm>

namespace vz {

std::int64_t wholeDay(TDateTime value) {
    return splitDateTime(value).day;
}

double timeOfDay(TDateTime value) {
    return static_cast<double>(splitDateTime(value).msOfDay) / MSecsPerDay;
}

DateLimits DateLimits::of(TDateTime minDate, TDateTime maxDate) {
    DateLimits limits;
    if (minDate != 0)
        limits.lower = wholeDay(minDate);
    if (maxDate != 0)
        limits.upper = wholeDay(maxDate);
    return limits;
}

std::int64_t DateLimits::clamp(std::int64_t day) const {
    return std::clamp(day, lower, std::max(lower, upper));
}

void checkExplicitLimits(TDateTime value, TDateTime minDate, TDateTime maxDate,
                         const RegionalSettings& rs) {
    checkExplicitDayLimits(wholeDay(value), minDate, maxDate, rs);
}

void checkExplicitDayLimits(std::int64_t day, TDateTime minDate, TDateTime maxDate,
                            const RegionalSettings& rs) {
    if (maxDate != 0 && day > wholeDay(maxDate))
        throw EDateTimeError(formatMessage(DateExceedsMaximumMessage, dateToStr(maxDate, rs)));
    if (minDate != 0 && day < wholeDay(minDate))
        throw EDateTimeError(formatMessage(DateBelowMinimumMessage, dateToStr(minDate, rs)));
}

void checkLimitPair(TDateTime minDate, TDateTime maxDate, const RegionalSettings& rs) {
    // Either way round the refusal names the lower limit the new upper one fell below.
    if (minDate != 0 && maxDate != 0 && wholeDay(minDate) > wholeDay(maxDate))
        throw EDateTimeError(formatMessage(DateBelowMinimumMessage, dateToStr(minDate, rs)));
}

} // namespace vz
