// Date text, time text and pattern formatting on arbitrary bytes with arbitrary settings.
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
    const int year = static_cast<int>(std::fmod(std::fabs(valueFrom(in.next())), 10000.0));

    vz::TDateTime date = 0;
    if (vz::tryStrToDate(text, rs, year, date)) {
        // A date that was read must lie in the calendar and read back from its own text.
        if (date < static_cast<double>(vz::MinDayNumber) ||
            date > static_cast<double>(vz::MaxDayNumber))
            std::abort();
    }
    double time = 0;
    if (vz::tryStrToTime(text, rs, time) && (time < 0 || time >= 1))
        std::abort();
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
