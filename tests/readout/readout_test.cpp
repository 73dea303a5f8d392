#include "readout/readout.h"

#include "engine/datetext.h"
#include "store/temp_folder.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

// Wednesday 16 April 1997, noon.
const TDateTime Now = encodeDateTime(1997, 4, 16, 12, 0, 0, 0);

EventGrid gridOf(std::initializer_list<std::array<const char*, 3>> rows) {
    EventGrid grid;
    int r = FirstEventRow;
    for (const auto& [description, date, time] : rows) {
        grid.cells.cell(DescriptionCol, r) = description;
        grid.cells.cell(DateCol, r) = date;
        grid.cells.cell(TimeCol, r++) = time;
    }
    return grid;
}

TEST(Readout, NextIsTheNearestEventStillToCome) {
    const RegionalSettings rs;
    struct Case {
        EventGrid grid;
        TDateTime now;
        std::string text, cssClass;
        double secondsUnchanged;
    };
    const Case cases[] = {
        {gridOf({{"Past", "4/1/1997", "9:00 AM"},
                 {"Later", "6/1/1997", "9:00 AM"},
                 {"Dentist", "4/18/1997", "3:00 PM"},
                 {"Broken", "4/31/1997", "9:00 AM"}}),
         Now, "Dentist: 2 dys 3 hrs", "soon", 60},
        {gridOf({{"Lunch", "4/16/1997", "12:30 PM"}, {"Tie", "4/16/1997", "12:30 PM"}}),
         Now + 10.5 / SecsPerDay, "Lunch: 29 mins", "today", 49.5},
        {gridOf({{"Call", "4/16/1997", "12:00:42 PM"}}), Now, "Call: 42 secs", "today", 1},
        {gridOf({{"Trip", "5/1/1997", "9:00 AM"}}), Now, "Trip: 14 dys 21 hrs", "later", 60},
        {gridOf({{"Gone", "4/16/1997", "12:00 PM"}}), Now, "", "", 60},
        {gridOf({}), Now, "", "", 60},
    };
    for (const Case& c : cases) {
        const NextReadout next =
            nextReadout(c.grid, listEvents(c.grid, c.now, rs, 1997), c.now, rs);
        EXPECT_EQ(next.text, c.text);
        EXPECT_EQ(next.cssClass, c.cssClass) << c.text;
        EXPECT_NEAR(next.secondsUnchanged, c.secondsUnchanged, 1e-6) << c.text;
        EXPECT_EQ(next.tooltip.find('\r'), std::string::npos);
        EXPECT_EQ(next.row == 0, next.tooltip.empty()) << c.text;
    }
}

TEST(Readout, YearlyEventCountsToItsNextOccurrenceAndReportsItsYears) {
    const RegionalSettings rs;
    EventGrid grid =
        gridOf({{"Birthday", "4/10/1987", "9:00 AM"}, {"Trip", "5/1/1997", "9:00 AM"}});
    grid.cells.cell(RepeatCol, 1) = "Yearly";
    const std::vector<ListedEvent> events = listEvents(grid, Now, rs, 1997);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].date, "4/10/98"); // this year's has passed, more than a day ago
    EXPECT_EQ(events[1].date, "5/1/1997");
    const std::string report = eventReport(grid, 1, Now, rs, 1997);
    EXPECT_NE(report.find("Scheduled For 4/10/98"), std::string::npos) << report;
    EXPECT_NE(report.find("Every year since 4/10/1987: 11 years"), std::string::npos) << report;
    EXPECT_EQ(nextReadout(grid, events, Now, rs).alt, "Trip");
}

TEST(Readout, JsonEscapesWhatAStatusBarWouldMisread) {
    NextReadout next;
    next.text = "Say \"hi\"\\now";
    next.tooltip = "line\nnext\x01";
    next.alt = "Ärzte";
    EXPECT_EQ(nextJson(next), "{\"text\": \"Say \\\"hi\\\"\\\\now\", \"tooltip\": "
                              "\"line\\nnext\\u0001\", \"class\": \"\", \"alt\": \"Ärzte\"}");
}

TEST(Readout, ListingAlignsCharactersNotBytesAndKeepsRowsOnOneLine) {
    std::vector<ListedEvent> events(2);
    events[0] = {1, "Köln", "4/1/1997", "9:00 AM", "Tue", "15 dys 3 hrs ", {}, {}};
    events[1] = {2, "Tab\there", "12/31/1997", "11:00 PM", "", "", {}, "bad"};
    EXPECT_EQ(formatListing(events, false), "Köln      4/1/1997    9:00 AM   Tue  15 dys 3 hrs\n"
                                            "Tab here  12/31/1997  11:00 PM\n");
    EXPECT_EQ(formatListing(events, true), "Köln\t4/1/1997\t9:00 AM\tTue\t15 dys 3 hrs\n"
                                           "Tab here\t12/31/1997\t11:00 PM\t\t\n");
}

TEST(Readout, EventNamedByRowNumberOrFoldedDescription) {
    const EventGrid grid = gridOf(
        {{"Dentist", "4/18/1997", "3:00 PM"}, {"2", "4/18/1997", "3:00 PM"}, {"dentist", "", ""}});
    const std::pair<const char*, int> cases[] = {
        {"1", 1}, {"3", 3}, {"DENTIST", 1}, {"2", 2}, {"4", 0}, {"0", 0}, {"Dent", 0}, {"", 0},
    };
    for (const auto& [which, row] : cases)
        EXPECT_EQ(findEventRow(grid, which), row) << which;
}

TEST(Readout, WindowSystemOptionsAloneStartTheWindow) {
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{}, true},
        {{"-session", "1a2b"}, true},
        {{"--platform", "wayland", "-reverse"}, true},
        {{"-style=fusion"}, true},
        {{"--next"}, false},
        {{"-session", "1a2b", "--list"}, false},
        {{"--bogus"}, false},
        {{"Dentist"}, false},
    };
    for (const auto& [arguments, window] : cases)
        EXPECT_EQ(argumentsAskForWindow(arguments), window) << testing::PrintToString(arguments);
}

TEST(Readout, OlderStoreIsShownConvertedAndLeftForTheWindow) {
    test::TempFolder folder;
    folder.write("zadud.ini", "[Entry1]\r\nDesc=Old\r\nDate=4/18/1997\r\nTime=3:00 PM\r\n");
    EventGrid grid;
    EXPECT_EQ(readStoreForReadout(folder.path(), grid, RegionalSettings{}, 1997), "");
    EXPECT_EQ(grid.cells.cell(DescriptionCol, 1), "Old");
    EXPECT_EQ(grid.cells.cell(DateCol, 1), "4/18/97");
    EXPECT_EQ(folder.entryCount(), 1u);
}

} // namespace
} // namespace vz
