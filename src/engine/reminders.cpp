#include "engine/reminders.h"

#include "engine/datetext.h"
#include "engine/occurrence.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace vz {

namespace {

constexpr std::int64_t MsPerWeek = 7 * MsPerDayWhole;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<int> leadOf(std::string_view item) {
    item = trimmed(item);
    if (item.empty() || item.size() > 6)
        return std::nullopt;
    int value = 0;
    for (const char c : item) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > MaxLeadMinutes)
        return std::nullopt;
    return value;
}

std::vector<std::string_view> itemsOf(std::string_view remind) {
    std::vector<std::string_view> items;
    if (trimmed(remind).empty())
        return items;
    for (std::size_t start = 0;;) {
        const auto comma = remind.find(',', start);
        items.push_back(remind.substr(start, comma - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return items;
}

int yearOfMs(std::int64_t ms) {
    return std::clamp(decodeDateTime(instantFromMs(ms)).year, 1, 9999);
}

std::string counted(std::int64_t n, std::string_view unit) {
    std::string text = std::to_string(n);
    text += ' ';
    text += unit;
    if (n != 1)
        text += 's';
    return text;
}

struct Unit {
    std::int64_t minutes;
    std::string_view name;
};
constexpr std::array<Unit, 4> Units{
    {{10'080, "week"}, {1'440, "day"}, {60, "hour"}, {1, "minute"}}};

} // namespace

std::vector<int> leadTimes(std::string_view remind) {
    std::vector<int> leads;
    for (const std::string_view item : itemsOf(remind))
        if (const auto lead = leadOf(item);
            lead && std::find(leads.begin(), leads.end(), *lead) == leads.end())
            leads.push_back(*lead);
    return leads;
}

std::string withLeadTime(std::string_view remind, int minutes, bool on) {
    const std::vector<std::string_view> items = itemsOf(remind);
    const auto names = [minutes](std::string_view item) {
        return leadOf(item) == minutes;
    };
    if (on) {
        if (std::any_of(items.begin(), items.end(), names))
            return std::string(remind);
        std::string value = trimmed(remind).empty() ? std::string() : std::string(remind) + ",";
        return value + std::to_string(minutes);
    }
    std::string value;
    bool any = false;
    for (const std::string_view item : items) {
        if (names(item))
            continue;
        if (any)
            value += ',';
        value += item;
        any = true;
    }
    return value;
}

std::vector<DueReminder> dueReminders(const std::vector<ReminderEvent>& events, TDateTime from,
                                      TDateTime to) {
    std::vector<DueReminder> due;
    const std::int64_t toMs = instantMs(to);
    const std::int64_t fromMs =
        std::max(instantMs(from), toMs - MaxReminderAgeDays * MsPerDayWhole);
    if (toMs <= fromMs)
        return due;
    for (std::size_t e = 0; e < events.size(); ++e) {
        const ReminderEvent& event = events[e];
        const std::int64_t firstMs = instantMs(event.first);
        const int firstYear = decodeDateTime(event.first).year;
        for (const int lead : event.leads) {
            const std::int64_t leadMs = lead * MsPerMinute;
            const auto consider = [&](TDateTime moment) {
                const std::int64_t dueMs = instantMs(moment) - leadMs;
                if (dueMs > fromMs && dueMs <= toMs)
                    due.push_back({e, lead, moment, instantFromMs(dueMs)});
            };
            if (!event.yearly) {
                consider(event.first);
                continue;
            }
            // The span looked at is at most a week, so it meets at most two occurrences.
            const int lastYear = yearOfMs(toMs + leadMs);
            for (int y = std::max(yearOfMs(fromMs + leadMs), firstYear); y <= lastYear; ++y) {
                const TDateTime moment = occurrenceIn(event.first, y);
                if (instantMs(moment) >= firstMs)
                    consider(moment);
            }
        }
    }
    std::stable_sort(due.begin(), due.end(), [](const DueReminder& a, const DueReminder& b) {
        return instantMs(a.due) < instantMs(b.due);
    });
    return due;
}

std::optional<TDateTime> nextDueMoment(const std::vector<ReminderEvent>& events, TDateTime after) {
    const std::int64_t afterMs = instantMs(after);
    std::optional<std::int64_t> earliest;
    const auto offer = [&](std::int64_t dueMs) {
        if (dueMs > afterMs && (!earliest || dueMs < *earliest))
            earliest = dueMs;
    };
    for (const ReminderEvent& event : events) {
        const int firstYear = decodeDateTime(event.first).year;
        for (const int lead : event.leads) {
            const std::int64_t leadMs = lead * MsPerMinute;
            if (!event.yearly) {
                offer(instantMs(event.first) - leadMs);
                continue;
            }
            const int from = std::max(yearOfMs(afterMs + leadMs), firstYear);
            for (int y = from; y <= std::min(from + 1, 9999); ++y) {
                const std::int64_t dueMs = instantMs(occurrenceIn(event.first, y)) - leadMs;
                if (dueMs > afterMs) {
                    offer(dueMs);
                    break;
                }
            }
        }
    }
    if (!earliest)
        return std::nullopt;
    return instantFromMs(*earliest);
}

std::string leadWords(int minutes) {
    for (const Unit& unit : Units)
        if (minutes >= unit.minutes && minutes % unit.minutes == 0)
            return counted(minutes / unit.minutes, unit.name);
    return counted(minutes, "minute");
}

std::string lateWords(std::int64_t minutes) {
    for (const Unit& unit : Units)
        if (minutes >= unit.minutes)
            return counted(minutes / unit.minutes, unit.name);
    return counted(minutes, "minute");
}

std::string leadPhrase(int minutes) {
    return minutes == 0 ? "at the time" : leadWords(minutes) + " before";
}

std::string optionsSummary(bool yearly, const std::vector<int>& leads) {
    std::string text = yearly ? "Every year." : "";
    if (leads.empty())
        return text;
    if (!text.empty())
        text += ' ';
    text += "Reminds ";
    for (std::size_t i = 0; i < leads.size(); ++i) {
        if (i > 0)
            text += i + 1 == leads.size() ? " and " : ", ";
        text += leadPhrase(leads[i]);
    }
    return text + ".";
}

std::string reminderBody(const DueReminder& due, TDateTime now, const RegionalSettings& rs) {
    const std::string when = formatDateTime("dddd", due.moment, rs) + " " +
                             dateToStr(due.moment, rs) + " at " +
                             formatDateTime("t", due.moment, rs);
    const std::int64_t lateMinutes = (instantMs(now) - instantMs(due.due)) / MsPerMinute;
    if (lateMinutes >= 1)
        return "was due " + lateWords(lateMinutes) + " ago: " + when;
    if (due.lead == 0)
        return "now";
    return "in " + leadWords(due.lead) + ": " + when;
}

std::string yearlyReportLine(std::string_view firstDateText, int years) {
    return "Every year since " + std::string(firstDateText) + ": " + counted(years, "year");
}

std::string momentStamp(TDateTime moment) {
    const DecodedDateTime d = decodeDateTime(moment);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day,
                  d.hour, d.minute, d.second);
    return text;
}

std::optional<TDateTime> parseMomentStamp(std::string_view text) {
    // yyyy-mm-dd hh:nn:ss, nothing more, nothing less.
    constexpr std::string_view Shape = "0000-00-00 00:00:00";
    if (text.size() != Shape.size())
        return std::nullopt;
    for (std::size_t i = 0; i < Shape.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (Shape[i] == '0' ? !digit : text[i] != Shape[i])
            return std::nullopt;
    }
    const auto number = [text](std::size_t at, std::size_t length) {
        int value = 0;
        for (std::size_t i = at; i < at + length; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
    const int hour = number(11, 2), minute = number(14, 2), second = number(17, 2);
    const auto dayNumber = dayNumberOf(year, month, day);
    const auto time = timeFraction(hour, minute, second, 0);
    if (!dayNumber || !time)
        return std::nullopt;
    return combineDateAndTime(*dayNumber, *time);
}

} // namespace vz
