// The date-time value: a double whose whole part counts days since 30 December 1899 (day 0) and
// whose fraction is the time of day. Decoding, encoding and the calendar behind them.
//
//     vz::TDateTime t = vz::encodeDateTime(2000, 1, 1, 12, 0, 0, 0); // 36526.5
//     vz::DecodedDateTime d = vz::decodeDateTime(t);               // 2000-01-01 12:00:00.000
#pragma once

#include <cstdint>
#include <optional>

namespace vz {

using TDateTime = double;

constexpr double MSecsPerDay = 86'400'000.0;
constexpr int SecsPerDay = 86'400;

// Day numbers of the first and last days the calendar handles: 1 January 1 and 31 December 9999.
constexpr std::int64_t MinDayNumber = -693'593;
constexpr std::int64_t MaxDayNumber = 2'958'465;

struct DecodedDate {
    int year = 1899;
    int month = 12;
    int day = 30;
};

struct DecodedDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Splits a value into its day number and millisecond of the day, rounding to the nearest
// millisecond. A negative value is split on its magnitude: -1.25 is day -1 at 06:00.
struct DaySplit {
    std::int64_t day = 0;
    std::int64_t msOfDay = 0;
};
DaySplit splitDateTime(TDateTime value);

// Gregorian calendar, extended backwards. Values outside years 1..9999 (and NaN) decode as
// 30 December 1899, the calendar's zero, rather than invoking anything undefined.
DecodedDate decodeDayNumber(std::int64_t day);
DecodedDateTime decodeDateTime(TDateTime value);

// 1 = Sunday … 7 = Saturday (day 0 is a Saturday).
int dayOfWeek(TDateTime value);
int dayOfWeekOfDayNumber(std::int64_t day);

bool isValidDate(int year, int month, int day);
int daysInMonth(int year, int month); // the calendar's own leap years
std::optional<std::int64_t> dayNumberOf(int year, int month, int day);
std::optional<double> timeFraction(int hour, int minute, int second, int millisecond);

// A date and a time of day joined into one instant that decodes back to that date and time,
// also before day 0 (where adding the fraction to a negative day number would move backwards).
TDateTime combineDateAndTime(std::int64_t dayNumber, double timeOfDay);

TDateTime encodeDateTime(int year, int month, int day, int hour, int minute, int second,
                         int millisecond);

// The month-length leap rule of the interval engine: as the calendar's, except that years
// divisible by 4000 are not leap years.
bool isLeapYear(int year);

} // namespace vz
