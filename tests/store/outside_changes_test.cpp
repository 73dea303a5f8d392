#include "engine/datetext.h"
#include "store/event_store.h"
#include "store/outside_changes.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vz {
namespace {

RegionalSettings settings() {
    RegionalSettings rs = usDefaults();
    fix2000(rs);
    return rs;
}

// "Name" on the usual day, "Name@date" on another.
EventGrid eventList(const std::vector<std::string>& events) {
    EventGrid grid;
    int r = FirstEventRow;
    for (const std::string& e : events) {
        const auto at = e.find('@');
        grid.cells.cell(DescriptionCol, r) = e.substr(0, at);
        grid.cells.cell(DateCol, r) = at == e.npos ? "12/8/2026" : e.substr(at + 1);
        grid.cells.cell(TimeCol, r) = "09:00 AM";
        ++r;
    }
    return grid;
}

std::vector<std::string> eventsIn(const EventGrid& grid) {
    std::vector<std::string> events;
    for (int r = FirstEventRow; r <= LastEventRow && !grid.isBlank(r); ++r) {
        const std::string& date = grid.cells.cell(DateCol, r);
        events.push_back(grid.cells.cell(DescriptionCol, r) +
                         (date == "12/8/2026" ? "" : "@" + date));
    }
    return events;
}

std::vector<std::string> namesOf(const EventGrid& grid) {
    std::vector<std::string> names;
    for (int r = FirstEventRow; r <= LastEventRow && !grid.isBlank(r); ++r)
        names.push_back(grid.cells.cell(DescriptionCol, r));
    return names;
}

// A store as loaded by us, then changed by another program, then merged into our list.
class OutsideChangesTest : public ::testing::Test {
protected:
    void saveAs(const std::vector<std::string>& events) {
        writeGrid(folder.path(), eventList(events), 200, settings(), 2026);
    }
    void loadAndWatch(const std::vector<std::string>& names) {
        saveAs(names);
        int splitter = 200;
        readGrid(folder.path(), ours, splitter, settings());
        watch.remember(storePath(folder.path()), settings());
    }
    int merge() { return watch.takeInOutsideChanges(storePath(folder.path()), ours, settings()); }

    test::TempFolder folder;
    EventGrid ours;
    StoreWatch watch;
};

TEST_F(OutsideChangesTest, AnUnchangedFileAddsNothing) {
    loadAndWatch({"A", "B"});
    deleteRow(ours, 1);
    EXPECT_EQ(merge(), 0);
    EXPECT_EQ(namesOf(ours), (std::vector<std::string>{"B"}));
}

TEST_F(OutsideChangesTest, EventsAddedByAnotherProgramJoinTheList) {
    loadAndWatch({"A", "B"});
    saveAs({"A", "B", "C", "D"});
    EXPECT_EQ(merge(), 2);
    EXPECT_EQ(namesOf(ours), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(ours.cells.cell(DateCol, 3), "12/8/2026");
    EXPECT_EQ(ours.cells.cell(TimeCol, 3), "09:00 AM");
    EXPECT_EQ(ours.cells.cell(LoadedDayCol, 3), "46364"); // kept should the text stop reading
}

// The three-way merge: what the file held when we last saw it, what it holds now, our list.
TEST_F(OutsideChangesTest, ThreeWayMerge) {
    enum class Now { Saved, CutShort, Garbled };
    struct Case {
        const char* name;
        std::vector<std::string> before, file, mine;
        Now now;
        std::vector<std::string> merged;
        int changes;
    } cases[] = {
        {"added there",
         {"A", "B"},
         {"A", "B", "C", "D"},
         {"A", "B"},
         Now::Saved,
         {"A", "B", "C", "D"},
         2},
        {"added on both sides: not doubled",
         {"A"},
         {"A", "New", "T", "T"},
         {"A", "New"},
         Now::Saved,
         {"A", "New", "T", "T"},
         2},
        {"deleted there, unchanged here: gone",
         {"A", "B", "C"},
         {"A", "B"},
         {"A", "B", "C"},
         Now::Saved,
         {"A", "B"},
         1},
        {"deleted there, changed here: kept",
         {"A", "B", "C"},
         {"A", "B"},
         {"A", "B", "C@12/9/2026"},
         Now::Saved,
         {"A", "B", "C@12/9/2026"},
         0},
        {"deleted here, still there: stays deleted",
         {"A", "B", "C"},
         {"A", "B", "C", "D"},
         {"A", "C"},
         Now::Saved,
         {"A", "C", "D"},
         1},
        {"deleted on both sides",
         {"A", "B", "C"},
         {"A", "C"},
         {"A", "C"},
         Now::Saved,
         {"A", "C"},
         0},
        {"date edited there: replaced",
         {"A", "B"},
         {"A", "B@12/9/2026"},
         {"A", "B"},
         Now::Saved,
         {"A", "B@12/9/2026"},
         2},
        {"description edited there: replaced",
         {"A", "B"},
         {"A", "B2"},
         {"A", "B"},
         Now::Saved,
         {"A", "B2"},
         2},
        {"edited on both sides: both kept",
         {"A", "B"},
         {"A", "B@12/9/2026"},
         {"A", "B@12/10/2026"},
         Now::Saved,
         {"A", "B@12/10/2026", "B@12/9/2026"},
         1},
        // The repeated event: of the file's two copies our list has one already.
        {"a copy more there", {"A"}, {"A", "A", "B"}, {"A"}, Now::Saved, {"A", "A", "B"}, 2},
        {"a copy more there, unseen before", {}, {"A", "A"}, {"A"}, Now::Saved, {"A", "A"}, 1},
        {"two copies there, one deleted here",
         {"A", "A"},
         {"A", "A", "B"},
         {"A"},
         Now::Saved,
         {"A", "B"},
         1},
        {"one of two copies deleted there",
         {"A", "A", "B"},
         {"A", "B"},
         {"A", "A", "B"},
         Now::Saved,
         {"A", "B"},
         1},
        {"one of two copies deleted on each side: one stays",
         {"A", "A", "B"},
         {"A", "B"},
         {"A", "B"},
         Now::Saved,
         {"A", "B"},
         0},
        {"a copy we added survives their deletion",
         {"A", "B"},
         {"B"},
         {"A", "A", "B"},
         Now::Saved,
         {"A", "B"},
         1},
        // Files that do not show a deletion: nothing is deleted from them.
        {"none of the events we saw",
         {"A", "B"},
         {"C"},
         {"A", "B"},
         Now::Saved,
         {"A", "B", "C"},
         1},
        {"cut short",
         {"A", "B", "C"},
         {"A", "B", "C"},
         {"A", "B", "C"},
         Now::CutShort,
         {"A", "B", "C"},
         0},
        {"garbled", {"A", "B"}, {}, {"A", "B"}, Now::Garbled, {"A", "B"}, 0},
    };
    for (const auto& c : cases) {
        loadAndWatch(c.before);
        ours = eventList(c.mine);
        switch (c.now) {
        case Now::Saved:
            saveAs(c.file);
            break;
        case Now::CutShort: { // only the first entry made it
            saveAs(c.file);
            const std::string text = folder.read("zadud2.ini");
            folder.write("zadud2.ini", text.substr(0, text.find("[Entry2]")));
            break;
        }
        case Now::Garbled:
            folder.write("zadud2.ini", "\x01\x02garbage");
            break;
        }
        EXPECT_EQ(merge(), c.changes) << c.name;
        EXPECT_EQ(eventsIn(ours), c.merged) << c.name;
    }
}

TEST_F(OutsideChangesTest, WhatTheListCannotHoldIsKeptAndFreedRowsTakeItFirst) {
    std::vector<std::string> many;
    for (int i = 0; i < 23; ++i)
        many.push_back("E" + std::to_string(i));
    loadAndWatch(many);
    ours.cells.cell(DescriptionCol, 24) = "Mine";
    ours.cells.cell(DateCol, 24) = "12/8/2026";
    ours.cells.cell(TimeCol, 24) = "09:00 AM";
    many.push_back("X");
    many.push_back("Y");
    saveAs(many);
    EXPECT_EQ(merge(), 2);
    EXPECT_EQ(ours.cells.cell(DescriptionCol, LastEventRow), "X");
    ASSERT_EQ(ours.kept.rowCount(), 1);
    EXPECT_EQ(ours.kept.cell(DescriptionCol, 0), "Y");
    EXPECT_EQ(ours.kept.cell(LoadedDayCol, 0), "46364"); // whole rows go along

    // Saved and seen again, 26 events: another program deletes two listed ones.
    writeGrid(folder.path(), ours, 200, settings(), 2026);
    watch.remember(storePath(folder.path()), settings());
    EventGrid theirs = ours;
    deleteRow(theirs, 1);
    deleteRow(theirs, 1);
    showKeptEvents(theirs);
    writeGrid(folder.path(), theirs, 200, settings(), 2026);
    EXPECT_EQ(merge(), 3); // two deleted, the kept one shown
    EXPECT_EQ(namesOf(ours).size(), 24u);
    EXPECT_EQ(ours.kept.rowCount(), 0);
    EXPECT_EQ(ours.cells.cell(DescriptionCol, 1), "E2");
}

TEST_F(OutsideChangesTest, AFileThatWentAwayOrWasBlankedAddsNothing) {
    loadAndWatch({"A"});
    std::filesystem::remove(storePath(folder.path()));
    EXPECT_EQ(merge(), 0);
    folder.write("zadud2.ini", "garbage");
    EXPECT_EQ(merge(), 0);
    EXPECT_EQ(namesOf(ours), (std::vector<std::string>{"A"}));
}

TEST_F(OutsideChangesTest, AStoreThatDidNotExistWhenWeStarted) {
    watch.remember(storePath(folder.path()), settings());
    ours = eventList({"Mine"});
    saveAs({"Theirs"});
    EXPECT_EQ(merge(), 1);
    EXPECT_EQ(namesOf(ours), (std::vector<std::string>{"Mine", "Theirs"}));
}

} // namespace
} // namespace vz
