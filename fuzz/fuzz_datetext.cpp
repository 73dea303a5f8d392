// Date text, time text and pattern formatting on arbitrary bytes with arbitrary settings; and
// with the settings locales really give, a date read from any text reads back from its own text.
#include "engine/datediff.h"
#include "engine/datetext.h"
#include "engine/wording.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Cuts the input into NUL-separated fields; missing fields are empty.
struct Fields {
    const char* data;
    std::size_t size;
    std::size_t at = 0;
    std::string next() {
        const std::size_t start = at;
        while (at < size && data[at] != '\0')
            ++at;
        std::string field(data + start, at - start);
        if (at < size)
            ++at;
        return field;
    }
};

double valueFrom(const std::string& bytes) {
    double v = 0;
    std::memcpy(&v, bytes.data(), std::min(bytes.size(), sizeof v));
    return v;
}

// A whole year from 0 to 9999 out of any value, NaN and infinities included.
int yearFrom(double value) {
    return std::isfinite(value) ? static_cast<int>(std::fmod(std::fabs(value), 10000.0)) : 0;
}

struct DateSettings {
    const char* pattern;
    const char* separator;
};

// Short date patterns and separators as locales give them (two-digit years widened at start-up,
// as the program does).
constexpr DateSettings RealDateSettings[] = {
    {"M/d/yy", "/"},     {"d/M/yyyy", "/"}, {"dd.MM.yyyy", "."}, {"d.M.yy", "."},
    {"yyyy-MM-dd", "-"}, {"dd-MM-yy", "-"}, {"yyyy/M/d", "/"},   {"dd/MM/yyyy", "/"},
};

void check(bool condition) {
    if (!condition)
        std::abort();
}

// Three numbers from the input's first bytes joined by the separator, the way a user types a
// date: random bytes alone seldom make a text any pattern reads.
std::string typedDate(const std::uint8_t* data, std::size_t size, const char* separator) {
    const auto byte = [&](std::size_t i) {
        return i < size ? data[i] : std::uint8_t{0};
    };
    return std::to_string(byte(0) % 40) + separator + std::to_string(byte(1) % 40) + separator +
           std::to_string((byte(2) << 8 | byte(3)) % 10000);
}

void checkDatesReadBack(const std::string& text, const std::uint8_t* data, std::size_t size,
                        int year) {
    for (const DateSettings& real : RealDateSettings) {
        vz::RegionalSettings rs = vz::usDefaults();
        rs.shortDateFormat = real.pattern;
        rs.dateSeparator = real.separator;
        vz::fix2000(rs);
        for (const std::string& candidate : {text, typedDate(data, size, real.separator)}) {
            vz::TDateTime date = 0;
            if (!vz::tryStrToDate(candidate, rs, year, date))
                continue;
            vz::TDateTime again = -1;
            check(vz::tryStrToDate(vz::dateToStr(date, rs), rs, year, again));
            check(again == date);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fields in{reinterpret_cast<const char*>(data), size};
    vz::RegionalSettings rs;
    const std::string text = in.next();
    rs.shortDateFormat = in.next();
    rs.longTimeFormat = in.next();
    rs.dateSeparator = in.next();
    rs.timeSeparator = in.next();
    rs.timeAMString = in.next();
    const double value = valueFrom(in.next());
    const int year = yearFrom(valueFrom(in.next()));

    vz::TDateTime date = 0;
    if (vz::tryStrToDate(text, rs, year, date)) {
        // A date that was read must lie in the calendar.
        check(date >= static_cast<double>(vz::MinDayNumber) &&
              date <= static_cast<double>(vz::MaxDayNumber));
    }
    checkDatesReadBack(text, data, size, year);
    double time = 0;
    check(!vz::tryStrToTime(text, rs, time) || (time >= 0 && time < 1));
    (void)vz::formatDateTime(text, value, rs);
    (void)vz::dateToStr(value, rs);
    (void)vz::timeToStr(value, rs);
    vz::TDateDiff dd;
    vz::computedatediff(dd, value, date);
    vz::DisplayTexts texts;
    vz::fillDisplayTexts(texts, text, dd, rs);
    vz::fix2000(rs);
    return 0;
}
