// The user's regional settings as a plain value: every date, time and number text of the program
// is made and read with one of these, never with the machine's locale directly.
//
//     vz::RegionalSettings rs = vz::usDefaults();
//     rs.shortDateFormat = "dd.MM.yyyy";
//     rs.dateSeparator = ".";
#pragma once

#include <array>
#include <string>

namespace vz {

struct RegionalSettings {
    // Patterns in the program's pattern language (see datetext.h).
    std::string shortDateFormat = "M/d/yy";
    std::string longDateFormat = "dddd, mmmm d, yyyy";
    std::string shortTimeFormat = "h:mm AMPM";
    std::string longTimeFormat = "h:mm:ss AMPM";
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
    // At most 5 characters; taken from a locale, at most the 2 the time field writes.
    std::string timeAMString = "AM";
    std::string timePMString = "PM";
    std::string thousandSeparator = ",";
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> longMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    // Index 0 is Sunday.
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    int firstDayOfWeek = 0; // 0 = Sunday … 6 = Saturday

    bool operator==(const RegionalSettings&) const = default;
};

// United States defaults; also what the C/POSIX locale maps to.
inline RegionalSettings usDefaults() {
    return RegionalSettings{};
}

} // namespace vz

namespace vz {

// The process-wide settings every window formats and reads with. Filled from the user's locale
// at start-up (and widened by fix2000); tests set it by hand.
RegionalSettings& processSettings();

} // namespace vz
