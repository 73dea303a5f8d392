#include "dateentry/paste_date.h"

#include "dateentry/text_scan.h"

#include <array>
#include <optional>

namespace vz {

namespace {

// The first three characters of a name (whole UTF-8 sequences).
std::string_view firstThree(std::string_view name) {
    std::size_t at = 0;
    for (int n = 0; at < name.size(); ++at)
        if ((static_cast<unsigned char>(name[at]) & 0xC0) != 0x80 && n++ == 3)
            break;
    return name.substr(0, at);
}

struct Reader {
    std::string_view text;
    const RegionalSettings& rs;
    std::size_t at = 0;

    void skipBlanks() {
        while (at < text.size() && text[at] == ' ')
            ++at;
    }
    bool literal(std::string_view word) {
        skipBlanks();
        if (!startsWithNoCase(text, at, word))
            return false;
        at += word.size();
        return true;
    }
    std::optional<int> digits() {
        skipBlanks();
        int value = 0;
        std::size_t n = 0;
        while (n < 4 && at + n < text.size() && text[at + n] >= '0' && text[at + n] <= '9')
            value = value * 10 + (text[at + n++] - '0');
        if (n == 0)
            return std::nullopt;
        at += n;
        return value;
    }
    // A number of the date: digits, or where none stand, a short month name. Names that end in
    // a full stop ("Dez.") are matched with it and without it, and the stop is taken only where
    // it is no date separator, so "24.Dez.1999" and "24.Dez 1999" both read to the year.
    std::optional<int> dateNumber() {
        if (auto n = digits())
            return n;
        for (std::size_t m = 0; m < 12; ++m) {
            std::string_view name = rs.shortMonthNames[m];
            const bool stop = !name.empty() && name.back() == '.';
            if (stop)
                name.remove_suffix(1);
            for (const std::string_view candidate : {name, firstThree(name)}) {
                if (!startsWithNoCase(text, at, candidate))
                    continue;
                at += candidate.size();
                if (stop && candidate.size() == name.size() && at < text.size() &&
                    text[at] == '.' && !startsWithNoCase(text, at, rs.dateSeparator))
                    ++at;
                return static_cast<int>(m) + 1;
            }
        }
        return std::nullopt;
    }
    // Whether a date of `count` numbers ends here. More digits glued to it mean it was not read
    // whole. A date without its year must be all there is (a time may follow where one is
    // read), or a year the reader stumbled over would silently become the current one.
    bool dateEndsHere(int count, bool timeFollows) {
        if (count == 2 && !timeFollows) {
            skipBlanks();
            return at == text.size();
        }
        if (at == text.size() || text[at] == ' ')
            return true;
        return count == 3 && (text[at] < '0' || text[at] > '9');
    }
};

enum class Order { MDY, DMY, YMD };

Order orderOf(std::string_view shortDateFormat) {
    for (const char c : shortDateFormat) {
        switch (upperAscii(c)) {
        case 'D':
            return Order::DMY;
        case 'Y':
            return Order::YMD;
        case 'M':
            return Order::MDY;
        default:
            break;
        }
    }
    return Order::MDY;
}

std::optional<std::int64_t> readDate(Reader& r, int currentYear, bool withTime) {
    std::array<int, 3> n{};
    int count = 0;
    for (; count < 3; ++count) {
        if (count > 0) {
            const std::size_t before = r.at;
            if (!r.literal(r.rs.dateSeparator)) {
                r.at = before;
                break;
            }
        }
        const auto number = r.dateNumber();
        if (!number)
            return std::nullopt;
        n[static_cast<std::size_t>(count)] = *number;
    }
    if (count < 2 || !r.dateEndsHere(count, withTime))
        return std::nullopt;
    const Order order = orderOf(r.rs.shortDateFormat);
    int year = currentYear;
    int month = 0;
    int day = 0;
    if (count == 2) {
        const bool dayFirst = order == Order::DMY;
        day = dayFirst ? n[0] : n[1];
        month = dayFirst ? n[1] : n[0];
    } else if (order == Order::MDY) {
        month = n[0], day = n[1], year = n[2];
    } else if (order == Order::DMY) {
        day = n[0], month = n[1], year = n[2];
    } else {
        year = n[0], month = n[1], day = n[2];
    }
    if (count == 3 && year < 100)
        year += year <= 50 ? 2000 : 1900;
    return dayNumberOf(year, month, day);
}

std::optional<double> readTime(Reader& r) {
    const auto hour = r.digits();
    if (!hour || !r.literal(r.rs.timeSeparator))
        return std::nullopt;
    const auto minute = r.digits();
    if (!minute)
        return std::nullopt;
    int second = 0;
    const std::size_t beforeSeconds = r.at;
    if (r.literal(r.rs.timeSeparator)) {
        const auto s = r.digits();
        if (!s)
            return std::nullopt;
        second = *s;
    } else {
        r.at = beforeSeconds;
    }
    int h = *hour;
    r.skipBlanks();
    const bool am = r.literal(r.rs.timeAMString) || r.literal("AM");
    const bool pm = !am && (r.literal(r.rs.timePMString) || r.literal("PM"));
    if (am || pm) {
        if (h < 1 || h > 12)
            return std::nullopt;
        h %= 12;
        if (pm)
            h += 12;
    }
    return timeFraction(h, *minute, second, 0);
}

} // namespace

TDateTime ParsePastedDate(std::string_view text, const RegionalSettings& rs, int currentYear,
                          bool withTime) {
    Reader r{text, rs};
    const auto day = readDate(r, currentYear, withTime);
    if (!day)
        return 0;
    if (!withTime)
        return static_cast<TDateTime>(*day);
    const auto time = readTime(r);
    r.skipBlanks();
    if (!time || r.at != text.size())
        return 0;
    return combineDateAndTime(*day, *time);
}

} // namespace vz
