#include "engine/datetime.h"

#include <chrono>
#include <cmath>

namespace vz {

namespace {

// 30 December 1899 as a count of days before 1 January 1970.
constexpr std::int64_t DaysFrom1899To1970 = 25'569;
constexpr std::int64_t MsPerDay = 86'400'000;

bool inCalendarRange(std::int64_t day) {
    return day >= MinDayNumber && day <= MaxDayNumber;
}

} // namespace

DaySplit splitDateTime(TDateTime value) {
    // Anything beyond the calendar (or NaN) splits as day 0 at midnight.
    if (!std::isfinite(value) || std::fabs(value) > static_cast<double>(MaxDayNumber) + 1.0)
        return {};
    const auto ms = static_cast<std::int64_t>(std::llround(std::fabs(value) * MSecsPerDay));
    DaySplit split{ms / MsPerDay, ms % MsPerDay};
    if (value < 0)
        split.day = -split.day;
    return split;
}

DecodedDate decodeDayNumber(std::int64_t day) {
    if (!inCalendarRange(day))
        return {};
    using namespace std::chrono;
    const year_month_day ymd{sys_days{days{day - DaysFrom1899To1970}}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

DecodedDateTime decodeDateTime(TDateTime value) {
    const DaySplit split = splitDateTime(value);
    const DecodedDate date = decodeDayNumber(split.day);
    const auto ms = static_cast<int>(split.msOfDay);
    return {date.year,        date.month,      date.day,  ms / 3'600'000,
            ms / 60'000 % 60, ms / 1'000 % 60, ms % 1'000};
}

int dayOfWeekOfDayNumber(std::int64_t day) {
    // Day 0 is a Saturday (7); day 1 a Sunday (1).
    return static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;
}

int dayOfWeek(TDateTime value) {
    return dayOfWeekOfDayNumber(splitDateTime(value).day);
}

bool isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

int daysInMonth(int year, int month) {
    using namespace std::chrono;
    if (month < 1 || month > 12)
        return 0;
    const year_month_day_last last{std::chrono::year{year} /
                                   std::chrono::month{static_cast<unsigned>(month)} /
                                   std::chrono::last};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

std::optional<std::int64_t> dayNumberOf(int year, int month, int day) {
    if (!isValidDate(year, month, day))
        return std::nullopt;
    using namespace std::chrono;
    const sys_days sd{std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                      std::chrono::day{static_cast<unsigned>(day)}};
    return sd.time_since_epoch().count() + DaysFrom1899To1970;
}

std::optional<double> timeFraction(int hour, int minute, int second, int millisecond) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999)
        return std::nullopt;
    const std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    return static_cast<double>(ms) / MSecsPerDay;
}

TDateTime combineDateAndTime(std::int64_t dayNumber, double timeOfDay) {
    // Before day 0 the value is read on its magnitude, so the time of day is subtracted.
    const double day = static_cast<double>(dayNumber);
    return dayNumber < 0 ? day - timeOfDay : day + timeOfDay;
}

TDateTime encodeDateTime(int year, int month, int day, int hour, int minute, int second,
                         int millisecond) {
    const auto dayNumber = dayNumberOf(year, month, day);
    const auto time = timeFraction(hour, minute, second, millisecond);
    return combineDateAndTime(dayNumber.value_or(0), time.value_or(0.0));
}

bool isLeapYear(int year) {
    if (year % 4 != 0 || year % 4000 == 0)
        return false;
    return year % 100 != 0 || year % 400 == 0;
}

} // namespace vz
