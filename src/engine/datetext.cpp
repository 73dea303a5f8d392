#include "engine/datetext.h"

#include "engine/convert_error.h"

#include <charconv>
#include <cmath>

namespace vz {

namespace {

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
    if (word.empty() || text.size() - at < word.size() || at > text.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (upper(text[at + i]) != upper(word[i]))
            return false;
    return true;
}

void appendNumber(std::string& out, long long value, int minDigits) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value < 0 ? -value : value).ptr;
    if (value < 0)
        out += '-';
    for (auto width = end - buffer; width < minDigits; ++width)
        out += '0';
    out.append(buffer, end);
}

std::size_t runLength(std::string_view pattern, std::size_t at) {
    const char letter = upper(pattern[at]);
    std::size_t n = 1;
    while (at + n < pattern.size() && upper(pattern[at + n]) == letter)
        ++n;
    return n;
}

// Whether an am/pm marker follows (before the next hour field), making the hour 12-hour based.
bool twelveHourAhead(std::string_view pattern, std::size_t from) {
    for (std::size_t i = from; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '"' || c == '\'') {
            const auto close = pattern.find(c, i + 1);
            if (close == std::string_view::npos)
                return false;
            i = close;
        } else if (upper(c) == 'H') {
            return false;
        } else if (startsWithNoCase(pattern, i, "am/pm") || startsWithNoCase(pattern, i, "a/p") ||
                   startsWithNoCase(pattern, i, "ampm")) {
            return true;
        }
    }
    return false;
}

// Formatting patterns nest (ddddd, c, t, tt); a pattern of the settings that names itself is
// cut off here instead of recursing without end. Nesting alone still multiplies: a pattern of a
// hundred c's that each expand to itself would take hours, so the text is cut off at a length
// no real pattern comes near.
constexpr int MaxNesting = 3;
constexpr std::size_t MaxFormattedLength = 4096;

void formatInto(std::string& out, std::string_view pattern, TDateTime value,
                const RegionalSettings& rs, int depth) {
    if (depth > MaxNesting || out.size() > MaxFormattedLength)
        return;
    const DecodedDateTime dt = decodeDateTime(value);
    const int weekday = dayOfWeek(value); // 1 = Sunday
    char lastToken = ' ';
    bool use12Hour = false;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        char token = upper(c);
        if (token >= 'A' && token <= 'Z') {
            if (token == 'M' && lastToken == 'H')
                token = 'N';
            lastToken = token;
        }
        switch (token) {
        case '"':
        case '\'': {
            const auto close = pattern.find(c, i + 1);
            const auto end = close == std::string_view::npos ? pattern.size() : close;
            out.append(pattern.substr(i + 1, end - i - 1));
            i = end == pattern.size() ? end : end + 1;
            continue;
        }
        case 'Y': {
            const std::size_t n = runLength(pattern, i);
            if (n <= 2)
                appendNumber(out, dt.year % 100, 2);
            else
                appendNumber(out, dt.year, 4);
            i += n;
            continue;
        }
        case 'M': {
            const std::size_t n = runLength(pattern, i);
            if (n <= 2)
                appendNumber(out, dt.month, static_cast<int>(n));
            else if (n == 3)
                out += rs.shortMonthNames[static_cast<std::size_t>(dt.month - 1)];
            else
                out += rs.longMonthNames[static_cast<std::size_t>(dt.month - 1)];
            i += n;
            continue;
        }
        case 'N': {
            const std::size_t n = std::min<std::size_t>(runLength(pattern, i), 2);
            appendNumber(out, dt.minute, static_cast<int>(n));
            i += runLength(pattern, i);
            continue;
        }
        case 'D': {
            const std::size_t n = runLength(pattern, i);
            if (n <= 2)
                appendNumber(out, dt.day, static_cast<int>(n));
            else if (n == 3)
                out += rs.shortDayNames[static_cast<std::size_t>(weekday - 1)];
            else if (n == 4)
                out += rs.longDayNames[static_cast<std::size_t>(weekday - 1)];
            else if (n == 5)
                formatInto(out, rs.shortDateFormat, value, rs, depth + 1);
            else
                formatInto(out, rs.longDateFormat, value, rs, depth + 1);
            i += n;
            continue;
        }
        case 'H': {
            const std::size_t n = runLength(pattern, i);
            use12Hour = twelveHourAhead(pattern, i + n);
            int hour = dt.hour;
            if (use12Hour) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            appendNumber(out, hour, n >= 2 ? 2 : 1);
            i += n;
            continue;
        }
        case 'S': {
            const std::size_t n = runLength(pattern, i);
            appendNumber(out, dt.second, n >= 2 ? 2 : 1);
            i += n;
            continue;
        }
        case 'Z': {
            const std::size_t n = runLength(pattern, i);
            appendNumber(out, dt.millisecond, n >= 3 ? 3 : 1);
            i += n;
            continue;
        }
        case 'T': {
            const std::size_t n = runLength(pattern, i);
            formatInto(out, n >= 2 ? rs.longTimeFormat : rs.shortTimeFormat, value, rs, depth + 1);
            i += n;
            continue;
        }
        case 'C': {
            formatInto(out, rs.shortDateFormat, value, rs, depth + 1);
            if (dt.hour != 0 || dt.minute != 0 || dt.second != 0) {
                out += ' ';
                formatInto(out, rs.longTimeFormat, value, rs, depth + 1);
            }
            ++i;
            continue;
        }
        case 'A': {
            const bool pm = dt.hour >= 12;
            if (startsWithNoCase(pattern, i, "am/pm")) {
                const bool lower = pattern[i] == 'a';
                out += pm ? (lower ? "pm" : "PM") : (lower ? "am" : "AM");
                i += 5;
            } else if (startsWithNoCase(pattern, i, "a/p")) {
                const bool lower = pattern[i] == 'a';
                out += pm ? (lower ? 'p' : 'P') : (lower ? 'a' : 'A');
                i += 3;
            } else if (startsWithNoCase(pattern, i, "ampm")) {
                out += pm ? rs.timePMString : rs.timeAMString;
                i += 4;
            } else {
                out += c;
                ++i;
            }
            continue;
        }
        case '/':
            out += rs.dateSeparator;
            ++i;
            continue;
        case ':':
            out += rs.timeSeparator;
            ++i;
            continue;
        default:
            out += c;
            ++i;
            continue;
        }
    }
}

// A reader over a date or time text with the scanning rules both conversions share.
struct Scanner {
    std::string_view text;
    std::size_t at = 0;

    void skipBlanks() {
        while (at < text.size() && text[at] == ' ')
            ++at;
    }
    bool number(int& value, int maxDigits) {
        skipBlanks();
        std::size_t n = 0;
        int v = 0;
        while (at + n < text.size() && text[at + n] >= '0' && text[at + n] <= '9') {
            if (static_cast<int>(n) == maxDigits)
                return false;
            v = v * 10 + (text[at + n] - '0');
            ++n;
        }
        if (n == 0)
            return false;
        at += n;
        value = v;
        return true;
    }
    bool literal(std::string_view word) {
        skipBlanks();
        if (word.empty() || !startsWithNoCase(text, at, word))
            return false;
        at += word.size();
        return true;
    }
    bool atEnd() {
        skipBlanks();
        return at == text.size();
    }
};

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

DateOrder dateOrderOf(std::string_view pattern) {
    for (const char c : pattern) {
        switch (upper(c)) {
        case 'D':
            return DateOrder::DayMonthYear;
        case 'M':
            return DateOrder::MonthDayYear;
        case 'Y':
        case 'E':
            return DateOrder::YearMonthDay;
        default:
            break;
        }
    }
    return DateOrder::MonthDayYear;
}

bool scanDate(std::string_view text, const RegionalSettings& rs, int currentYear,
              TDateTime& result) {
    Scanner s{text};
    int n1 = 0, n2 = 0, n3 = 0;
    if (!s.number(n1, 4) || !s.literal(rs.dateSeparator) || !s.number(n2, 4))
        return false;
    const std::size_t afterTwo = s.at;
    const bool hasYear = s.literal(rs.dateSeparator) && s.number(n3, 4);
    if (!hasYear) {
        // Two numbers may be followed by one date separator.
        s.at = afterTwo;
        s.literal(rs.dateSeparator);
    } else {
        // So may three.
        s.literal(rs.dateSeparator);
    }
    if (!s.atEnd())
        return false;

    const DateOrder order = dateOrderOf(rs.shortDateFormat);
    int year = currentYear, month = 0, day = 0;
    if (!hasYear) {
        if (order == DateOrder::DayMonthYear)
            day = n1, month = n2;
        else
            month = n1, day = n2;
    } else {
        switch (order) {
        case DateOrder::MonthDayYear:
            month = n1, day = n2, year = n3;
            break;
        case DateOrder::DayMonthYear:
            day = n1, month = n2, year = n3;
            break;
        case DateOrder::YearMonthDay:
            year = n1, month = n2, day = n3;
            break;
        }
        if (year <= 99)
            year = currentYear - currentYear % 100 + year;
    }
    const auto dayNumber = dayNumberOf(year, month, day);
    if (!dayNumber)
        return false;
    result = static_cast<double>(*dayNumber);
    return true;
}

// An AM or PM marker: the locale's designators or the words AM and PM. 0 AM, 1 PM, -1 none.
int scanMarker(Scanner& s, const RegionalSettings& rs) {
    if (s.literal(rs.timeAMString) || s.literal("AM"))
        return 0;
    if (s.literal(rs.timePMString) || s.literal("PM"))
        return 1;
    return -1;
}

bool scanTime(std::string_view text, const RegionalSettings& rs, double& result) {
    Scanner s{text};
    int marker = scanMarker(s, rs);
    int hour = 0, minute = 0, second = 0;
    if (!s.number(hour, 4))
        return false;
    if (s.literal(rs.timeSeparator)) {
        if (!s.number(minute, 4))
            return false;
        if (s.literal(rs.timeSeparator) && !s.number(second, 4))
            return false;
    }
    if (marker < 0)
        marker = scanMarker(s, rs);
    if (!s.atEnd())
        return false;
    if (marker >= 0) {
        if (hour < 1 || hour > 12)
            return false;
        if (hour == 12)
            hour = 0;
        if (marker == 1)
            hour += 12;
    }
    const auto fraction = timeFraction(hour, minute, second, 0);
    if (!fraction)
        return false;
    result = *fraction;
    return true;
}

} // namespace

std::string formatDateTime(std::string_view pattern, TDateTime value, const RegionalSettings& rs) {
    std::string out;
    formatInto(out, pattern, value, rs, 0);
    return out;
}

std::string dateToStr(TDateTime value, const RegionalSettings& rs) {
    return formatDateTime(rs.shortDateFormat, value, rs);
}

std::string timeToStr(TDateTime value, const RegionalSettings& rs) {
    return formatDateTime(rs.longTimeFormat, value, rs);
}

bool tryStrToDate(std::string_view text, const RegionalSettings& rs, int currentYear,
                  TDateTime& result) {
    return scanDate(text, rs, currentYear, result);
}

TDateTime strToDate(std::string_view text, const RegionalSettings& rs, int currentYear) {
    TDateTime result = 0;
    if (!scanDate(text, rs, currentYear, result))
        throw EConvertError(formatMessage(InvalidDateMessage, text));
    return result;
}

bool tryStrToTime(std::string_view text, const RegionalSettings& rs, double& result) {
    return scanTime(text, rs, result);
}

double strToTime(std::string_view text, const RegionalSettings& rs) {
    double result = 0;
    if (!scanTime(text, rs, result))
        throw EConvertError(formatMessage(InvalidTimeMessage, text));
    return result;
}

TDateTime eventInstant(std::string_view dateText, std::string_view timeText,
                       const RegionalSettings& rs, int currentYear) {
    const TDateTime date = strToDate(dateText, rs, currentYear);
    const double time = strToTime(timeText, rs);
    return combineDateAndTime(static_cast<std::int64_t>(date), time);
}

int shortYearPos(std::string_view pattern) {
    if (pattern.find("yyyy") != std::string_view::npos)
        return -1;
    const auto at = pattern.find("yy");
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

void fix2000(RegionalSettings& rs) {
    const int p = shortYearPos(rs.shortDateFormat);
    if (p > 0)
        rs.shortDateFormat.insert(static_cast<std::size_t>(p - 1), "yy");
}

} // namespace vz
