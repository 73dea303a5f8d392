#include "timeentry/time_mask.h"

#include "timeentry/entry_errors.h"
#include "timeentry/unicode_text.h"

namespace vz {

namespace {

constexpr int DigitRunLength = 2;

char32_t foldAscii(char32_t c) {
    return c >= U'a' && c <= U'z' ? c - 32 : c;
}

bool equalsIgnoringAsciiCase(std::u32string_view a, std::u32string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    return true;
}

bool isTimeLetter(char32_t c) {
    return c == U'h' || c == U'H' || c == U'm' || c == U'M' || c == U's' || c == U'S' || c == U't';
}

// A run's digits, blanks skipped: the number, -1 for all blanks or anything but digits.
int readRun(const std::u32string& text, const TimeMask::Run& run) {
    if (!run.present())
        return 0;
    int value = 0;
    bool any = false;
    for (int p = run.start; p < run.end; ++p) {
        const char32_t c = text[static_cast<std::size_t>(p)];
        if (c == U' ')
            continue;
        if (c < U'0' || c > U'9')
            return TimeMask::NoTime;
        value = value * 10 + static_cast<int>(c - U'0');
        any = true;
    }
    return any ? value : TimeMask::NoTime;
}

void writeRun(std::u32string& text, const TimeMask::Run& run, int value, bool blankPadded) {
    if (!run.present())
        return;
    for (int p = run.end - 1; p >= run.start; --p) {
        const bool leading = p < run.end - 1 && value == 0;
        char32_t c = U'0' + static_cast<char32_t>(value % 10);
        if (value < 0)
            c = U' ';
        else if (leading && blankPadded)
            c = U' ';
        text[static_cast<std::size_t>(p)] = c;
        if (value >= 0)
            value /= 10;
    }
}

} // namespace

TimeDesignators TimeDesignators::from(const RegionalSettings& rs) {
    TimeDesignators d;
    d.am = toUtf32(rs.timeAMString).substr(0, MaxLength);
    d.pm = toUtf32(rs.timePMString).substr(0, MaxLength);
    const std::u32string sep = toUtf32(rs.timeSeparator);
    d.separator = sep.empty() ? U':' : sep.front();
    return d;
}

TimeMask TimeMask::parse(std::string_view source) {
    TimeMask m;
    m.m_source = std::string(source);
    m.m_mask = toUtf32(source);
    const int n = m.length();
    if (n == 0 || n > MaxMaskLength)
        throw EInvalidPictureMask(source);
    for (int p = 0; p < n;) {
        const char32_t c = m.maskChar(p);
        int end = p + 1;
        while (end < n && m.maskChar(end) == c)
            ++end;
        if (isTimeLetter(c)) {
            Run* run = nullptr;
            switch (c) {
            case U'h':
            case U'H':
                run = &m.m_hours;
                break;
            case U'm':
            case U'M':
                run = &m.m_minutes;
                break;
            case U's':
            case U'S':
                run = &m.m_seconds;
                break;
            default:
                run = &m.m_designator;
                break;
            }
            const int len = end - p;
            const bool sizeOk = run == &m.m_designator
                                    ? len >= 1 && len <= int(TimeDesignators::MaxLength)
                                    : len == DigitRunLength;
            if (run->present() || !sizeOk)
                throw EInvalidPictureMask(source);
            *run = {p, end};
        }
        p = end;
    }
    if (!m.m_hours.present() || !m.m_minutes.present())
        throw EInvalidPictureMask(source);
    return m;
}

bool TimeMask::isEditable(int p) const {
    return p >= 0 && p < length() && isTimeLetter(maskChar(p));
}

bool TimeMask::isDigitPosition(int p) const {
    return isEditable(p) && !m_designator.contains(p);
}

char32_t TimeMask::literalAt(int p, const TimeDesignators& d) const {
    const char32_t c = maskChar(p);
    return c == U':' ? d.separator : c;
}

TimeMask::Run TimeMask::runAt(int p) const {
    for (const Run* run : {&m_hours, &m_minutes, &m_seconds, &m_designator})
        if (run->contains(p))
            return *run;
    return {};
}

bool TimeMask::twelveHour(const TimeDesignators& d) const {
    if (!m_designator.present() || d.am.empty() || d.pm.empty())
        return false;
    // Designators that the run cuts to the same text could not tell morning from afternoon.
    const auto run = static_cast<std::size_t>(m_designator.length());
    return !equalsIgnoringAsciiCase(d.am.substr(0, run), d.pm.substr(0, run));
}

std::u32string TimeMask::format(int seconds, const TimeDesignators& d) const {
    const bool none = seconds < 0 || seconds >= 86400;
    const int t = none ? 0 : seconds;
    int h = t / 3600;
    const int m = (t % 3600) / 60;
    const int s = t % 60;
    const std::u32string& designator = h < 12 ? d.am : d.pm;
    if (twelveHour(d)) {
        if (h == 0)
            h = 12;
        else if (h > 12)
            h -= 12;
    }
    std::u32string text(m_mask.size(), U' ');
    for (int p = 0; p < length(); ++p)
        if (!isEditable(p))
            text[static_cast<std::size_t>(p)] = literalAt(p, d);
    auto padded = [&](const Run& run) {
        return run.present() && maskChar(run.start) != U'h' && maskChar(run.start) != U'm' &&
               maskChar(run.start) != U's';
    };
    writeRun(text, m_hours, none ? -1 : h, padded(m_hours));
    writeRun(text, m_minutes, none ? -1 : m, padded(m_minutes));
    writeRun(text, m_seconds, none ? -1 : s, padded(m_seconds));
    if (m_designator.present()) {
        // A designator shorter than its run leaves blanks after it, so the text reads back.
        const bool blank = (d.am.empty() && d.pm.empty()) || (none && d.am.empty());
        for (int i = 0; i < m_designator.length(); ++i) {
            const auto at = static_cast<std::size_t>(i);
            text[static_cast<std::size_t>(m_designator.start + i)] =
                !blank && at < designator.size() ? designator[at] : U' ';
        }
    }
    return text;
}

int TimeMask::read(const std::u32string& text, const TimeDesignators& d) const {
    if (static_cast<int>(text.size()) != length())
        return NoTime;
    int h = readRun(text, m_hours);
    const int m = readRun(text, m_minutes);
    const int s = readRun(text, m_seconds);
    if (h < 0 || m < 0 || s < 0)
        return NoTime;
    if (twelveHour(d)) {
        std::u32string typed = text.substr(static_cast<std::size_t>(m_designator.start),
                                           static_cast<std::size_t>(m_designator.length()));
        while (!typed.empty() && (typed.back() == U' ' || isControlChar(typed.back())))
            typed.pop_back();
        if (typed.empty())
            return NoTime;
        const auto runLength = static_cast<std::size_t>(m_designator.length());
        auto is = [&](std::u32string_view designator) {
            return equalsIgnoringAsciiCase(typed, designator.substr(0, runLength));
        };
        // The settings' designators first; then AM and PM, so a time written under another
        // locale still reads.
        bool pm = false;
        if (is(d.pm))
            pm = true;
        else if (is(d.am))
            pm = false;
        else if (is(U"PM"))
            pm = true;
        else if (!is(U"AM"))
            return NoTime;
        if (pm) {
            if (h > 12)
                return NoTime;
            if (h < 12)
                h += 12;
        } else {
            if (h == 0 || h > 12)
                return NoTime;
            if (h == 12)
                h = 0;
        }
    }
    if (h > 23 || m > 59 || s > 59)
        return NoTime;
    return h * 3600 + m * 60 + s;
}

bool TimeMask::digitsBlank(const std::u32string& text) const {
    for (int p = 0; p < length() && p < static_cast<int>(text.size()); ++p)
        if (isDigitPosition(p) && text[static_cast<std::size_t>(p)] != U' ')
            return false;
    return true;
}

} // namespace vz
