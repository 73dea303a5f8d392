// Reminder values and the reminders they make, on arbitrary input: reading a "Remind" value never
// fails and gives lead times in range, each once; adding or removing one lead time changes
// nothing else; a kept moment reads back as written; and looking at the clock in two steps
// finds exactly what one look over the same span finds, so no tick can show a reminder twice
// or lose one.
#include "engine/occurrence.h"
#include "engine/reminders.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

std::vector<int> without(std::vector<int> leads, int minutes) {
    leads.erase(std::remove(leads.begin(), leads.end(), minutes), leads.end());
    return leads;
}

std::uint32_t take(std::string_view& input) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4 && !input.empty(); ++i) {
        value = value << 8 | static_cast<unsigned char>(input.front());
        input.remove_prefix(1);
    }
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);

    const std::vector<int> leads = vz::leadTimes(input);
    for (const int lead : leads) {
        check(lead >= 0 && lead <= vz::MaxLeadMinutes);
        check(std::count(leads.begin(), leads.end(), lead) == 1);
    }
    const int minutes = static_cast<int>(size * 37 % (vz::MaxLeadMinutes + 1));
    const std::vector<int> added = vz::leadTimes(vz::withLeadTime(input, minutes, true));
    check(std::count(added.begin(), added.end(), minutes) == 1);
    check(without(added, minutes) == without(leads, minutes));
    const std::vector<int> removed = vz::leadTimes(vz::withLeadTime(input, minutes, false));
    check(removed == without(leads, minutes));

    if (const auto moment = vz::parseMomentStamp(input))
        check(vz::momentStamp(*moment) == input);

    // Events and three looks at the clock, from the input's bytes.
    std::vector<vz::ReminderEvent> events;
    const std::int64_t base = vz::instantMs(vz::encodeDateTime(2026, 1, 1, 0, 0, 0, 0));
    const std::int64_t year = 366 * vz::MsPerDayWhole;
    for (int e = 0; e < 3 && input.size() >= 8; ++e) {
        const std::int64_t first =
            base - 40 * year +
            static_cast<std::int64_t>(take(input) % (45 * 366)) * vz::MsPerDayWhole +
            static_cast<std::int64_t>(take(input) % 1440) * vz::MsPerMinute;
        events.push_back({vz::instantFromMs(first), (size + e) % 2 == 0,
                          leads.empty() ? std::vector<int>{0, 15, 1440} : leads, e});
    }
    const std::int64_t a =
        base + static_cast<std::int64_t>(take(input) % (2 * 366 * 1440)) * vz::MsPerMinute;
    const std::int64_t span = static_cast<std::int64_t>(take(input) % (7 * 1440)) * vz::MsPerMinute;
    const std::int64_t c = a + span;
    const auto look = [&](std::int64_t from, std::int64_t to) {
        return vz::dueReminders(events, vz::instantFromMs(from), vz::instantFromMs(to));
    };
    const auto whole = look(a, c);
    // The middle look falls on a due moment where there is one: the edge a tick can meet.
    const std::uint32_t pick = take(input);
    const std::int64_t b =
        whole.empty()
            ? a + static_cast<std::int64_t>(pick % (span / vz::MsPerMinute + 1)) * vz::MsPerMinute
            : vz::instantMs(whole[pick % whole.size()].due);
    auto stepped = look(a, b);
    const auto second = look(b, c);
    stepped.insert(stepped.end(), second.begin(), second.end());
    check(whole.size() == stepped.size());
    for (std::size_t i = 0; i < whole.size(); ++i)
        check(vz::instantMs(whole[i].due) == vz::instantMs(stepped[i].due));
    // Nothing is due before the next due moment.
    if (const auto next = vz::nextDueMoment(events, vz::instantFromMs(a))) {
        check(vz::instantMs(*next) > a);
        check(look(a, std::min(vz::instantMs(*next) - 1, c)).empty() ||
              vz::instantMs(*next) - 1 < a);
    } else {
        check(whole.empty());
    }
    return 0;
}
