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

EventGrid listOf(const std::vector<std::string>& names) {
    EventGrid grid;
    int r = FirstEventRow;
    for (const std::string& name : names) {
        grid.cells.cell(DescriptionCol, r) = name;
        grid.cells.cell(DateCol, r) = "12/8/2026";
        grid.cells.cell(TimeCol, r) = "09:00 AM";
        ++r;
    }
    return grid;
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
    void saveAs(const std::vector<std::string>& names) {
        writeGrid(folder.path(), listOf(names), 200, settings(), 2026);
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

TEST_F(OutsideChangesTest, OurDeletionsAndTheirsAreBothKeptSafe) {
    loadAndWatch({"A", "B", "C"});
    deleteRow(ours, 2);      // we delete B
    saveAs({"A", "B", "D"}); // they delete C and add D
    EXPECT_EQ(merge(), 1);
    // B stays deleted; C, which only they removed, stays with us; D comes in.
    EXPECT_EQ(namesOf(ours), (std::vector<std::string>{"A", "C", "D"}));
}

TEST_F(OutsideChangesTest, AnEventBothAddedIsNotDoubledButTwoCopiesOfTheirsAreKept) {
    loadAndWatch({"A"});
    ours = listOf({"A", "New"});
    saveAs({"A", "New", "Twice", "Twice"});
    EXPECT_EQ(merge(), 2);
    EXPECT_EQ(namesOf(ours), (std::vector<std::string>{"A", "New", "Twice", "Twice"}));
}

TEST_F(OutsideChangesTest, AChangedEventCountsAsNew) {
    loadAndWatch({"A"});
    writeGrid(folder.path(), listOf({"A"}), 999, settings(), 2026); // only the divider
    EXPECT_EQ(merge(), 0);
    EventGrid edited = listOf({"A"});
    edited.cells.cell(TimeCol, 1) = "10:00 AM";
    writeGrid(folder.path(), edited, 200, settings(), 2026);
    EXPECT_EQ(merge(), 1);
    EXPECT_EQ(namesOf(ours), (std::vector<std::string>{"A", "A"}));
}

TEST_F(OutsideChangesTest, AFullListTakesWhatFits) {
    std::vector<std::string> many;
    for (int i = 0; i < 23; ++i)
        many.push_back("E" + std::to_string(i));
    loadAndWatch(many);
    ours.cells.cell(DescriptionCol, 24) = "Mine";
    ours.cells.cell(DateCol, 24) = "12/8/2026";
    many.push_back("X");
    many.push_back("Y");
    saveAs(many);
    EXPECT_EQ(merge(), 1);
    EXPECT_EQ(ours.cells.cell(DescriptionCol, LastEventRow), "X");
    EXPECT_EQ(findFirstBlankRow(ours), -1);
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
    ours = listOf({"Mine"});
    saveAs({"Theirs"});
    EXPECT_EQ(merge(), 1);
    EXPECT_EQ(namesOf(ours), (std::vector<std::string>{"Mine", "Theirs"}));
}

} // namespace
} // namespace vz
