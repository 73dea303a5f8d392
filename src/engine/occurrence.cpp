#include "engine/occurrence.h"

#include <algorithm>

namespace vz {

bool repeatsYearly(std::string_view repeatValue) {
    return repeatValue == YearlyRepeat;
}

std::int64_t instantMs(TDateTime value) {
    const DaySplit split = splitDateTime(value);
    return split.day * MsPerDayWhole + split.msOfDay;
}

TDateTime instantFromMs(std::int64_t ms) {
    // Floor division keeps the millisecond of the day positive also before day 0.
    std::int64_t day = ms / MsPerDayWhole;
    std::int64_t rest = ms % MsPerDayWhole;
    if (rest < 0) {
        rest += MsPerDayWhole;
        --day;
    }
    return combineDateAndTime(day, static_cast<double>(rest) / MSecsPerDay);
}

TDateTime occurrenceIn(TDateTime first, int year) {
    const DaySplit split = splitDateTime(first);
    const DecodedDate date = decodeDayNumber(split.day);
    year = std::clamp(year, 1, 9999);
    const int day = std::min(date.day, daysInMonth(year, date.month));
    const auto dayNumber = dayNumberOf(year, date.month, day);
    return combineDateAndTime(dayNumber.value_or(split.day),
                              static_cast<double>(split.msOfDay) / MSecsPerDay);
}

TDateTime eventMoment(TDateTime first, bool yearly, TDateTime now) {
    if (!yearly)
        return first;
    const std::int64_t firstMs = instantMs(first);
    const std::int64_t nowMs = instantMs(now);
    if (nowMs < firstMs + MsPerDayWhole)
        return first;
    const int firstYear = decodeDateTime(first).year;
    const int year = decodeDateTime(now).year;
    // The latest occurrence at or before now: this year's, or last year's early in January.
    TDateTime latest = occurrenceIn(first, year);
    int latestYear = year;
    if (instantMs(latest) > nowMs && year > firstYear) {
        latest = occurrenceIn(first, year - 1);
        latestYear = year - 1;
    }
    if (nowMs - instantMs(latest) < MsPerDayWhole || latestYear >= 9999)
        return latest;
    return occurrenceIn(first, latestYear + 1);
}

int yearsSince(TDateTime first, TDateTime occurrence) {
    return decodeDateTime(occurrence).year - decodeDateTime(first).year;
}

} // namespace vz
