// Reminders: an event's lead times (its "Remind" value, whole minutes before its moment) and
// which reminders fall due between two moments the program looked at the clock. A reminder is
// due at the event's moment minus its lead time, for a yearly event at each occurrence; it is
// shown once, by the first look that finds its due moment passed, unless it is more than a week
// old by then.
//
//     std::vector<vz::ReminderEvent> events{{first, false, vz::leadTimes("0,15"), 3}};
//     for (const vz::DueReminder& due : vz::dueReminders(events, lastLooked, now))
//         notify(events[due.event].tag, vz::reminderBody(due, now, rs));
#pragma once

#include "engine/datetime.h"
#include "engine/regional.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vz {

inline constexpr int MaxLeadMinutes = 525'600; // a year
inline constexpr int MaxReminderAgeDays = 7;

// The lead times a "Remind" value names, in the order written, each once. Items that are not
// whole minutes from 0 to a year are skipped here (and kept in the value by withLeadTime).
std::vector<int> leadTimes(std::string_view remind);

// The "Remind" value with `minutes` added at the end (on) or every item naming it removed (off).
// Every other item stays exactly as written, unreadable ones included.
std::string withLeadTime(std::string_view remind, int minutes, bool on);

struct ReminderEvent {
    TDateTime first = 0; // the event's instant; the first occurrence of a yearly event
    bool yearly = false;
    std::vector<int> leads; // minutes
    int tag = 0;            // the caller's name for the event
};

struct DueReminder {
    std::size_t event = 0; // index into the events given
    int lead = 0;          // minutes
    TDateTime moment = 0;  // the occurrence it reminds of
    TDateTime due = 0;     // moment minus lead
};

// Reminders whose due moment lies after `from` and at or before `to` (and not more than a week
// before `to`), earliest first. Nothing when the clock went back (`to` before `from`).
std::vector<DueReminder> dueReminders(const std::vector<ReminderEvent>& events, TDateTime from,
                                      TDateTime to);

// The earliest due moment after `after`, or nothing when no reminder is ever due again. Until
// then a look at the clock can find nothing due, so it need not compute anything.
std::optional<TDateTime> nextDueMoment(const std::vector<ReminderEvent>& events, TDateTime after);

// "15 minutes", "1 hour", "2 days", "1 week": a lead time in the largest unit that holds it
// whole.
std::string leadWords(int minutes);
// The same rounded down to the largest unit that fits, for how late a reminder is.
std::string lateWords(std::int64_t minutes);

// "at the time" for 0, else "15 minutes before", "1 day before".
std::string leadPhrase(int minutes);
// What an event's row says it has set, for its tool tip: "Every year. Reminds at the time and
// 1 day before." Empty when it has neither.
std::string optionsSummary(bool yearly, const std::vector<int>& leads);

// What a reminder says about its event at `now`: "in 15 minutes: Thursday 12/24/2026 at
// 3:30 PM" before the moment, "now" at it, "was due 2 hours ago: …" when shown late.
std::string reminderBody(const DueReminder& due, TDateTime now, const RegionalSettings& rs);

// The line a copied report adds for a yearly event: "Every year since 3/1/1987: 40 years".
std::string yearlyReportLine(std::string_view firstDateText, int years);

// A moment as locale-free text, "2026-12-09 15:30:00", for keeping between runs.
std::string momentStamp(TDateTime moment);
std::optional<TDateTime> parseMomentStamp(std::string_view text);

} // namespace vz
