#include "engine/wording.h"

#include "engine/datetext.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace vz {

namespace {

// The component words; each but the seconds one is followed by a blank.
constexpr std::string_view FullWords[] = {"year", "month", "day", "hour", "minute", "second"};
constexpr std::string_view ShortWords[] = {"yr", "mo", "dy", "hr", "min", "sec"};
constexpr int SecondsIndex = 5;

void appendDecimal(std::string& out, long long value) {
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// "%d <word>%s " with the plural of the value.
void appendComponent(std::string& out, std::string_view word, int value, bool trailingBlank) {
    appendDecimal(out, value);
    out += ' ';
    out += word;
    if (value != 1)
        out += 's';
    if (trailingBlank)
        out += ' ';
}

std::string decimal(int value) {
    std::string out;
    appendDecimal(out, value);
    return out;
}

} // namespace

std::string iplural(int n) {
    return n == 1 ? "" : "s";
}

std::string dplural(double x) {
    return std::trunc(x) == 1.0 ? "" : "s";
}

ComponentTexts ymdhms(const TDateDiff& dd, bool abbreviated, bool omitSeconds) {
    const auto& words = abbreviated ? ShortWords : FullWords;
    const int values[] = {dd.Years, dd.Months, dd.Days, dd.Hours, dd.Minutes, dd.Seconds};
    ComponentTexts texts;
    const int count = omitSeconds ? SecondsIndex : SecondsIndex + 1;
    for (int i = 0; i < count; ++i)
        if (values[i] > 0)
            appendComponent(texts.line, words[i], values[i], i != SecondsIndex);
    texts.secondsNumber = decimal(dd.Seconds);
    texts.secondsWord = "second" + iplural(dd.Seconds);
    return texts;
}

std::string formatWhole(double value, std::string_view thousandSeparator) {
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f", std::round(value));
    std::string_view text(digits);
    std::string out;
    if (!text.empty() && text.front() == '-') {
        out += '-';
        text.remove_prefix(1);
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i > 0 && (text.size() - i) % 3 == 0)
            out += thousandSeparator;
        out += text[i];
    }
    return out == "-0" ? "0" : out;
}

void fillDisplayTexts(DisplayTexts& out, std::string_view description, const TDateDiff& dd,
                      const RegionalSettings& rs) {
    const std::string_view sep = rs.thousandSeparator;
    out.lblName = description;
    ComponentTexts components = ymdhms(dd, false, true);
    out.lblAll = std::move(components.line);
    out.lblAll2 = std::move(components.secondsNumber);
    out.lblAll3 = std::move(components.secondsWord);
    out.lblWeekend = formatWhole(dd.Weekends, sep) + " weekend" + dplural(dd.Weekends);
    out.lblDays = formatWhole(dd.TotalDays, sep) + " day" + dplural(dd.TotalDays);
    const double waking = dd.TotalHours * 2 * (1.0 / 3.0);
    out.lblHour = formatWhole(dd.TotalHours, sep) + " hour" + dplural(dd.TotalHours) + " (" +
                  formatWhole(waking, sep) + " waking hour" + dplural(waking) + ")";
    out.lblMin = formatWhole(dd.TotalMinutes, sep) + " minute" + dplural(dd.TotalMinutes);
    std::string seconds = formatWhole(dd.TotalSeconds, sep);
    out.lblSecs2 = seconds.substr(seconds.size() - 1);
    seconds.pop_back();
    out.lblSecs = std::move(seconds);
    out.lblSecs3 = "second" + dplural(dd.TotalSeconds);
}

void fillRowCells(RowCells& out, TDateTime eventInstant, TDateTime now,
                  const RegionalSettings& rs) {
    TDateDiff dd;
    computedatediff(dd, eventInstant, now);
    out.day = formatDateTime("ddd", eventInstant, rs);
    out.when = ymdhms(dd, true, false).line;
}

std::string clockLine(TDateTime now, const RegionalSettings& rs) {
    return "It is now " + formatDateTime("dddd", now, rs) + " " + dateToStr(now, rs) + " at " +
           timeToStr(now, rs);
}

} // namespace vz
