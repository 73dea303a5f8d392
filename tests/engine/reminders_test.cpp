#include "engine/datetext.h"
#include "engine/occurrence.h"
#include "engine/reminders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vz {
namespace {

TDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return encodeDateTime(y, mo, d, h, mi, s, 0);
}

std::string text(TDateTime t) {
    return momentStamp(t);
}

struct MomentCase {
    const char* name;
    TDateTime first;
    TDateTime now;
    TDateTime expected;
};

TEST(EventMoment, YearlyEventsCountToTheirNextOccurrence) {
    const MomentCase cases[] = {
        {"later this year", at(1987, 3, 1, 9), at(2026, 1, 10), at(2026, 3, 1, 9)},
        {"passed this year: next year", at(1987, 3, 1, 9), at(2026, 12, 9), at(2027, 3, 1, 9)},
        {"within the day after: counts up", at(1987, 3, 1, 9), at(2026, 3, 2, 8, 59),
         at(2026, 3, 1, 9)},
        {"a day after: the next", at(1987, 3, 1, 9), at(2026, 3, 2, 9), at(2027, 3, 1, 9)},
        {"new year's eve, the day after spans the year end", at(2000, 12, 31, 20),
         at(2027, 1, 1, 10), at(2026, 12, 31, 20)},
        {"new year's eve, a day later", at(2000, 12, 31, 20), at(2027, 1, 1, 20),
         at(2027, 12, 31, 20)},
        {"29 February in a common year", at(2000, 2, 29, 12), at(2026, 1, 1), at(2026, 2, 28, 12)},
        {"29 February in a leap year", at(2000, 2, 29, 12), at(2028, 1, 1), at(2028, 2, 29, 12)},
        {"before the first occurrence", at(2030, 5, 5), at(2026, 12, 9), at(2030, 5, 5)},
        {"on the day of the first occurrence", at(2026, 12, 9, 8), at(2026, 12, 9, 12),
         at(2026, 12, 9, 8)},
        {"first occurrence before day 0", at(1850, 6, 1, 6), at(2026, 12, 9), at(2027, 6, 1, 6)},
        {"no year after the calendar's last", at(2000, 1, 1), at(9999, 6, 1), at(9999, 1, 1)},
    };
    for (const MomentCase& c : cases)
        EXPECT_EQ(text(eventMoment(c.first, true, c.now)), text(c.expected)) << c.name;
    EXPECT_EQ(text(eventMoment(at(1987, 3, 1), false, at(2026, 12, 9))), text(at(1987, 3, 1)));
    EXPECT_EQ(yearsSince(at(1987, 3, 1), eventMoment(at(1987, 3, 1), true, at(2026, 12, 9))), 40);
}

TEST(Instants, OrderAlsoBeforeDayZero) {
    // 06:00 on day -1 is later than midnight of day -1, though the value is smaller.
    EXPECT_GT(instantMs(-1.25), instantMs(-1.0));
    for (const TDateTime t : {at(1850, 6, 1, 6, 30), at(2026, 12, 9, 23, 59), 0.0})
        EXPECT_EQ(text(instantFromMs(instantMs(t))), text(t));
}

struct LeadCase {
    const char* remind;
    std::vector<int> leads;
};

TEST(LeadTimes, WholeMinutesUpToAYearEachOnce) {
    const LeadCase cases[] = {
        {"", {}},
        {"0,15,1440", {0, 15, 1440}},
        {" 15 , 60 ", {15, 60}},
        {"15,15", {15}},
        {"-5,abc,1.5,525601,525600,,7", {525600, 7}},
        {"9999999", {}},
    };
    for (const LeadCase& c : cases)
        EXPECT_EQ(leadTimes(c.remind), c.leads) << c.remind;
}

struct EditCase {
    const char* before;
    int minutes;
    bool on;
    const char* after;
};

TEST(LeadTimes, AddingAndRemovingKeepsEveryOtherItemAsWritten) {
    const EditCase cases[] = {
        {"", 15, true, "15"},           {"0", 15, true, "0,15"},
        {"0,15", 15, true, "0,15"},     {"abc, 15 ,60", 15, false, "abc,60"},
        {"15", 15, false, ""},          {"x", 0, true, "x,0"},
        {"1440,1440", 1440, false, ""},
    };
    for (const EditCase& c : cases)
        EXPECT_EQ(withLeadTime(c.before, c.minutes, c.on), c.after)
            << c.before << (c.on ? " + " : " - ") << c.minutes;
}

struct DueCase {
    const char* name;
    std::vector<ReminderEvent> events;
    TDateTime from, to;
    std::vector<std::string> due; // "<event>:<lead> <due moment>"
};

std::vector<std::string> describe(const std::vector<DueReminder>& due) {
    std::vector<std::string> out;
    for (const DueReminder& d : due)
        out.push_back(std::to_string(d.event) + ":" + std::to_string(d.lead) + " " + text(d.due));
    return out;
}

TEST(DueReminders, EachDueMomentPassedSinceTheLastLookOnce) {
    const TDateTime party = at(2026, 12, 24, 15, 30);
    const DueCase cases[] = {
        {"one tick across the moment",
         {{party, false, {15}, 0}},
         at(2026, 12, 24, 15, 14, 59),
         at(2026, 12, 24, 15, 15),
         {"0:15 2026-12-24 15:15:00"}},
        {"the tick before: nothing",
         {{party, false, {15}, 0}},
         at(2026, 12, 24, 15, 14),
         at(2026, 12, 24, 15, 14, 59),
         {}},
        {"the look after: nothing again",
         {{party, false, {15}, 0}},
         at(2026, 12, 24, 15, 15),
         at(2026, 12, 24, 15, 16),
         {}},
        {"asleep across several lead times, earliest first",
         {{party, false, {0, 15, 1440}, 0}},
         at(2026, 12, 23, 12),
         at(2026, 12, 24, 16),
         {"0:1440 2026-12-23 15:30:00", "0:15 2026-12-24 15:15:00", "0:0 2026-12-24 15:30:00"}},
        {"a clock set days forward: once each, not older than a week",
         {{party, false, {0}, 0}, {at(2026, 12, 10), false, {0}, 1}},
         at(2026, 12, 1),
         at(2026, 12, 30),
         {"0:0 2026-12-24 15:30:00"}},
        {"a clock set back: nothing",
         {{party, false, {0}, 0}},
         at(2026, 12, 25),
         at(2026, 12, 24),
         {}},
        {"yearly: this year's occurrence",
         {{at(1987, 3, 1, 9), true, {60}, 0}},
         at(2027, 3, 1, 7),
         at(2027, 3, 1, 8, 30),
         {"0:60 2027-03-01 08:00:00"}},
        {"yearly: a week's lead across the year end",
         {{at(2000, 1, 3), true, {10080}, 0}},
         at(2026, 12, 26),
         at(2026, 12, 28),
         {"0:10080 2026-12-27 00:00:00"}},
        {"yearly: not before the first occurrence",
         {{at(2030, 1, 3), true, {0}, 0}},
         at(2026, 12, 26),
         at(2027, 1, 4),
         {}},
        {"yearly on 29 February in a common year",
         {{at(2000, 2, 29, 12), true, {0}, 0}},
         at(2027, 2, 28),
         at(2027, 3, 1),
         {"0:0 2027-02-28 12:00:00"}},
    };
    for (const DueCase& c : cases)
        EXPECT_EQ(describe(dueReminders(c.events, c.from, c.to)), c.due) << c.name;
}

TEST(DueReminders, TheNextDueMomentIsWhereTheNextLookFindsSomething) {
    const std::vector<ReminderEvent> events{{at(2026, 12, 24, 15, 30), false, {0, 15}, 0},
                                            {at(1987, 3, 1, 9), true, {1440}, 1}};
    EXPECT_EQ(text(*nextDueMoment(events, at(2026, 12, 9))), "2026-12-24 15:15:00");
    EXPECT_EQ(text(*nextDueMoment(events, at(2026, 12, 24, 15, 15))), "2026-12-24 15:30:00");
    EXPECT_EQ(text(*nextDueMoment(events, at(2026, 12, 25))), "2027-02-28 09:00:00");
    EXPECT_FALSE(nextDueMoment({{at(2026, 1, 1), false, {0}, 0}}, at(2026, 12, 9)));
    // Nothing is due between a look and the next due moment; something is at it.
    const TDateTime next = *nextDueMoment(events, at(2026, 12, 9));
    EXPECT_TRUE(dueReminders(events, at(2026, 12, 9), next - 1.0 / SecsPerDay).empty());
    EXPECT_EQ(dueReminders(events, at(2026, 12, 9), next).size(), 1u);
}

struct BodyCase {
    int lead;
    TDateTime now;
    const char* body;
};

TEST(ReminderBody, SaysWhenTheEventIs) {
    const RegionalSettings rs = usDefaults();
    const TDateTime moment = at(2026, 12, 24, 15, 30);
    const BodyCase cases[] = {
        {15, at(2026, 12, 24, 15, 15), "in 15 minutes: Thursday 12/24/26 at 3:30 PM"},
        {1440, at(2026, 12, 23, 15, 30), "in 1 day: Thursday 12/24/26 at 3:30 PM"},
        {90, at(2026, 12, 24, 14, 0), "in 90 minutes: Thursday 12/24/26 at 3:30 PM"},
        {0, at(2026, 12, 24, 15, 30), "now"},
        {0, at(2026, 12, 24, 17, 45), "was due 2 hours ago: Thursday 12/24/26 at 3:30 PM"},
        {60, at(2026, 12, 24, 14, 31), "was due 1 minute ago: Thursday 12/24/26 at 3:30 PM"},
    };
    for (const BodyCase& c : cases) {
        const DueReminder due{0, c.lead, moment,
                              instantFromMs(instantMs(moment) - c.lead * MsPerMinute)};
        EXPECT_EQ(reminderBody(due, c.now, rs), c.body) << c.lead;
    }
    EXPECT_EQ(yearlyReportLine("3/1/1987", 40), "Every year since 3/1/1987: 40 years");
    EXPECT_EQ(yearlyReportLine("3/1/2025", 1), "Every year since 3/1/2025: 1 year");
    EXPECT_EQ(optionsSummary(true, {0, 15, 1440}),
              "Every year. Reminds at the time, 15 minutes before and 1 day before.");
}

TEST(MomentStamp, RoundTripsAndRefusesOtherShapes) {
    EXPECT_EQ(text(*parseMomentStamp("2026-12-09 15:30:05")), "2026-12-09 15:30:05");
    for (const char* bad : {"", "2026-12-09", "2026-02-30 00:00:00", "2026-12-09 24:00:00",
                            "2026-12-09T15:30:05", " 2026-12-09 15:30:05"})
        EXPECT_FALSE(parseMomentStamp(bad)) << bad;
}

} // namespace
} // namespace vz
