#include "engine/datetext.h"

#include "engine/convert_error.h"
#include "engine/day_half.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <utility>
#include <vector>

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

bool isMarkerAt(std::string_view pattern, std::size_t i) {
    return startsWithNoCase(pattern, i, "am/pm") || startsWithNoCase(pattern, i, "a/p") ||
           startsWithNoCase(pattern, i, "ampm");
}

// Calls visit(i) for each position of pattern[from, to) outside quoted literals until it returns
// false. Returns false when a quote is left open.
template <typename Visit>
bool visitOutsideQuotes(std::string_view pattern, std::size_t from, std::size_t to, Visit visit) {
    for (std::size_t i = from; i < to; ++i) {
        const char c = pattern[i];
        if (c == '"' || c == '\'') {
            const auto close = pattern.find(c, i + 1);
            if (close == std::string_view::npos)
                return false;
            i = close;
        } else if (!visit(i)) {
            break;
        }
    }
    return true;
}

// Whether an am/pm marker stands between the previous hour field and this one, as in patterns
// that put the marker first ("ampm h:nn"), making the hour 12-hour based.
bool twelveHourBehind(std::string_view pattern, std::size_t hourAt) {
    bool marker = false;
    const bool closed = visitOutsideQuotes(pattern, 0, hourAt, [&](std::size_t i) {
        if (upper(pattern[i]) == 'H')
            marker = false;
        else if (isMarkerAt(pattern, i))
            marker = true;
        return true;
    });
    return closed && marker;
}

// Whether an am/pm marker follows (before the next hour field), making the hour 12-hour based.
bool twelveHourAhead(std::string_view pattern, std::size_t from) {
    bool marker = false;
    const bool closed = visitOutsideQuotes(pattern, from, pattern.size(), [&](std::size_t i) {
        if (upper(pattern[i]) == 'H')
            return false;
        marker = isMarkerAt(pattern, i);
        return !marker;
    });
    return closed && marker;
}

// Formatting patterns nest (ddddd, c, t, tt); a pattern of the settings that names itself is
// cut off here instead of recursing without end. Nesting alone still multiplies: a pattern of a
// hundred c's that each expand to itself would take hours, so the text is cut off at a length
// no real pattern comes near, and the work is cut off too: expansions that write nothing (a c
// at midnight whose date pattern is all c's) would otherwise multiply without growing the text.
constexpr int MaxNesting = 3;
constexpr std::size_t MaxFormattedLength = 4096;
// Pattern characters looked at for one formatting, nested patterns and hour look-arounds
// included; a real pattern, fully nested, needs a few hundred.
constexpr std::size_t FormatWorkBudget = std::size_t{1} << 16;

void formatInto(std::string& out, std::string_view pattern, TDateTime value,
                const RegionalSettings& rs, int depth, std::size_t& budget) {
    if (depth > MaxNesting || out.size() > MaxFormattedLength)
        return;
    const DecodedDateTime dt = decodeDateTime(value);
    const int weekday = dayOfWeek(value); // 1 = Sunday
    char lastToken = ' ';
    bool use12Hour = false;
    std::size_t i = 0;
    while (i < pattern.size()) {
        if (budget == 0)
            return;
        --budget;
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
                formatInto(out, rs.shortDateFormat, value, rs, depth + 1, budget);
            else
                formatInto(out, rs.longDateFormat, value, rs, depth + 1, budget);
            i += n;
            continue;
        }
        case 'H': {
            const std::size_t n = runLength(pattern, i);
            // The look-arounds below walk the whole pattern.
            budget -= std::min(budget, pattern.size());
            use12Hour = twelveHourAhead(pattern, i + n) || twelveHourBehind(pattern, i);
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
            formatInto(out, n >= 2 ? rs.longTimeFormat : rs.shortTimeFormat, value, rs, depth + 1,
                       budget);
            i += n;
            continue;
        }
        case 'C': {
            formatInto(out, rs.shortDateFormat, value, rs, depth + 1, budget);
            if (dt.hour != 0 || dt.minute != 0 || dt.second != 0) {
                out += ' ';
                formatInto(out, rs.longTimeFormat, value, rs, depth + 1, budget);
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

// Characters a date or time text may carry around its numbers without saying anything: blanks,
// no-break and thin spaces, and the bidi marks some locales put into their patterns. Answers how
// many bytes of one such character stand at `at` (UTF-8), or 0.
std::size_t ignorableAt(std::string_view text, std::size_t at) {
    static constexpr std::string_view Ignorable[] = {
        " ",
        "\xC2\xA0",     // no-break space
        "\xE2\x80\xAF", // narrow no-break space
        "\xE2\x80\x89", // thin space
        "\xE2\x80\x8E", // left-to-right mark
        "\xE2\x80\x8F", // right-to-left mark
        "\xD8\x9C",     // Arabic letter mark
    };
    if (at >= text.size())
        return 0;
    // Digits and letters are by far the most common: their first byte starts no mark.
    const unsigned char first = static_cast<unsigned char>(text[at]);
    if (first != ' ' && first != 0xC2 && first != 0xE2 && first != 0xD8)
        return 0;
    const std::string_view rest = text.substr(at);
    for (const std::string_view mark : Ignorable)
        if (rest.starts_with(mark))
            return mark.size();
    return 0;
}

std::string_view trimIgnorable(std::string_view text) {
    while (!text.empty()) {
        if (const std::size_t n = ignorableAt(text, 0)) {
            text.remove_prefix(n);
            continue;
        }
        break;
    }
    while (!text.empty()) {
        std::size_t n = 0;
        for (std::size_t k = 1; k <= 3 && k <= text.size(); ++k)
            if (ignorableAt(text, text.size() - k) == k)
                n = k;
        if (n == 0)
            break;
        text.remove_suffix(n);
    }
    return text;
}

// A reader over a date or time text with the scanning rules both conversions share.
struct Scanner {
    std::string_view text;
    std::size_t at = 0;

    void skipBlanks() {
        while (at < text.size()) {
            const std::size_t n = ignorableAt(text, at);
            if (n == 0)
                return;
            at += n;
        }
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

// The pattern's literal texts around its day, month and year fields, as the date text shows them:
// [0] before the first field, [k] between fields k and k + 1, and the last after the last field.
// Blanks and marks at their ends are dropped, since the scanner skips those anyway.
struct DatePattern {
    DateOrder order = DateOrder::MonthDayYear;
    std::vector<std::string> literals{""};
};

DatePattern datePatternOf(std::string_view pattern, const RegionalSettings& rs) {
    DatePattern p;
    bool orderKnown = false;
    std::string literal;
    auto endLiteral = [&] {
        p.literals.back() = std::string(trimIgnorable(literal));
        literal.clear();
    };
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (c == '"' || c == '\'') {
            const auto close = pattern.find(c, i + 1);
            const auto end = close == std::string_view::npos ? pattern.size() : close;
            literal.append(pattern.substr(i + 1, end - i - 1));
            i = end == pattern.size() ? end : end + 1;
            continue;
        }
        const char u = upper(c);
        if (u == 'D' || u == 'M' || u == 'Y' || u == 'E') {
            if (!orderKnown) {
                p.order = u == 'D'   ? DateOrder::DayMonthYear
                          : u == 'M' ? DateOrder::MonthDayYear
                                     : DateOrder::YearMonthDay;
                orderKnown = true;
            }
            endLiteral();
            p.literals.emplace_back();
            i += runLength(pattern, i);
            continue;
        }
        if (c == '/')
            literal += rs.dateSeparator;
        else
            literal += c;
        ++i;
    }
    endLiteral();
    return p;
}

bool scanDate(std::string_view text, const RegionalSettings& rs, int currentYear,
              TDateTime& result) {
    const DatePattern pattern = datePatternOf(rs.shortDateFormat, rs);
    const auto& literals = pattern.literals;
    // Between two numbers stands the date separator or the pattern's own literal for that place
    // (a pattern may join its fields with different texts, or with blanks alone).
    auto separator = [&](Scanner& s, std::size_t place) {
        if (s.literal(rs.dateSeparator))
            return true;
        if (place >= literals.size() - 1)
            return false;
        return literals[place].empty() || s.literal(literals[place]);
    };
    // After the last number: the pattern's literal for that place or its closing one (as in
    // "25.12.2026 г."), or one date separator.
    auto closing = [&](Scanner& s, std::size_t place) {
        if (place < literals.size() && s.literal(literals[place]))
            return;
        if (s.literal(literals.back()))
            return;
        s.literal(rs.dateSeparator);
    };

    Scanner s{text};
    s.literal(literals.front());
    int n1 = 0, n2 = 0, n3 = 0;
    if (!s.number(n1, 4) || !separator(s, 1) || !s.number(n2, 4))
        return false;
    const std::size_t afterTwo = s.at;
    const bool hasYear = separator(s, 2) && s.number(n3, 4);
    if (!hasYear) {
        // Two numbers may be followed by one date separator.
        s.at = afterTwo;
        closing(s, 2);
    } else {
        // So may three.
        closing(s, 3);
    }
    if (!s.atEnd())
        return false;

    const DateOrder order = pattern.order;
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

// An AM or PM marker: the locale's designators or the words AM and PM in any case, so a time
// text written under another locale still reads. The longer texts are tried first, so a
// designator that begins another one cannot cut it short. 0 AM, 1 PM, -1 none.
int scanMarker(Scanner& s, const RegionalSettings& rs) {
    std::pair<std::string_view, int> markers[] = {
        {rs.timeAMString, 0}, {rs.timePMString, 1}, {"AM", 0}, {"PM", 1}};
    // Longest first, ties in their order (an insertion sort: no buffer for four words).
    for (std::size_t i = 1; i < std::size(markers); ++i)
        for (std::size_t j = i; j > 0 && markers[j].first.size() > markers[j - 1].first.size(); --j)
            std::swap(markers[j], markers[j - 1]);
    for (const auto& [word, marker] : markers)
        if (s.literal(word))
            return marker;
    return -1;
}

// A marker's letters without its dots and blanks, ASCII letters in upper case.
std::string bareLetters(std::string_view text) {
    std::string letters;
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t n = ignorableAt(text, i); n > 0 || text[i] == '.') {
            i += n > 0 ? n : 1;
            continue;
        }
        letters += upper(text[i++]);
    }
    return letters;
}

// A marker that is not the locale's own: any designator a locale uses ("오후", "午前", "nachm."),
// or one cut short or dotted, as earlier versions wrote designators such as "a. m." into the time
// field's two characters ("a."): its letters, without dots and blanks, begin the designators of
// only one half of the day. 0 AM, 1 PM, -1 none.
int foreignMarker(std::string_view text, const RegionalSettings& rs) {
    const std::string letters = bareLetters(text);
    if (letters.empty())
        return -1;
    // Letters found in both of the locale's own designators ("m" of "a. m." and "p. m.") name
    // neither half here, whatever some other locale means by them.
    const std::string am = bareLetters(rs.timeAMString);
    const std::string pm = bareLetters(rs.timePMString);
    if (am.find(letters) != std::string::npos && pm.find(letters) != std::string::npos)
        return -1;
    if (const auto half = dayHalfOfWord(letters))
        return *half == DayHalf::Pm ? 1 : 0;
    const bool morning = am.starts_with(letters) || std::string_view("AM").starts_with(letters);
    const bool afternoon = pm.starts_with(letters) || std::string_view("PM").starts_with(letters);
    if (morning == afternoon)
        return -1;
    return morning ? 0 : 1;
}

// A trailing marker of another locale, or cut short: takes the rest of the text.
int scanForeignMarker(Scanner& s, const RegionalSettings& rs) {
    const int marker = foreignMarker(s.text.substr(s.at), rs);
    if (marker >= 0)
        s.at = s.text.size();
    return marker;
}

// A leading marker of another locale, as patterns that put the designator first write it
// ("오후 7:30"): the text before the first digit.
int scanLeadingForeignMarker(Scanner& s, const RegionalSettings& rs) {
    const std::size_t digit = s.text.find_first_of("0123456789", s.at);
    if (digit == std::string_view::npos || digit == s.at)
        return -1;
    const int marker = foreignMarker(s.text.substr(s.at, digit - s.at), rs);
    if (marker >= 0)
        s.at = digit;
    return marker;
}

// The locale's time separator, or ':' and '.', the ones other locales write.
bool scanTimeSeparator(Scanner& s, const RegionalSettings& rs) {
    return s.literal(rs.timeSeparator) || s.literal(":") || s.literal(".");
}

bool scanTime(std::string_view text, const RegionalSettings& rs, double& result) {
    Scanner s{text};
    // The locale's own designator may be only the start of another locale's ("م" of
    // "منجهند، شام"): it counts where the number or the end follows it.
    int marker = scanMarker(s, rs);
    if (marker >= 0 && (s.atEnd() || s.text[s.at] < '0' || s.text[s.at] > '9')) {
        s.at = 0;
        marker = -1;
    }
    if (marker < 0)
        marker = scanLeadingForeignMarker(s, rs);
    int hour = 0, minute = 0, second = 0;
    if (!s.number(hour, 4))
        return false;
    if (scanTimeSeparator(s, rs)) {
        if (!s.number(minute, 4))
            return false;
        if (scanTimeSeparator(s, rs) && !s.number(second, 4))
            return false;
    }
    if (marker < 0) {
        const std::size_t afterNumbers = s.at;
        marker = scanMarker(s, rs);
        if (marker >= 0 && !s.atEnd()) {
            s.at = afterNumbers;
            marker = -1;
        }
    }
    if (marker < 0 && !s.atEnd())
        marker = scanForeignMarker(s, rs);
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
    std::size_t budget = FormatWorkBudget;
    formatInto(out, pattern, value, rs, 0, budget);
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
