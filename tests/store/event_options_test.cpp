// An event's "Repeat" and "Remind" keys belong to the event, not to the section it was read from.
#include "engine/datetext.h"
#include "store/event_store.h"
#include "store/outside_changes.h"
#include "store/profile_file.h"
#include "store/sortgrid.h"
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

// "<description> <repeat>|<remind>" for each listed event.
std::vector<std::string> optionsOf(const EventGrid& grid) {
    std::vector<std::string> out;
    for (int r = FirstEventRow; r <= LastEventRow && !grid.isBlank(r); ++r)
        out.push_back(grid.cells.cell(DescriptionCol, r) + " " + grid.cells.cell(RepeatCol, r) +
                      "|" + grid.cells.cell(RemindCol, r));
    return out;
}

std::string entry(const char* desc, int day, const char* extra = "") {
    return std::string("Desc=") + desc + "\r\nDate=" + std::to_string(day) +
           "\r\nTime=09:00 AM\r\n" + extra;
}

ProfileFile storeOf(const std::vector<std::string>& entries) {
    std::string text;
    for (std::size_t i = 0; i < entries.size(); ++i)
        text += "[Entry" + std::to_string(i + 1) + "]\r\n" + entries[i];
    return ProfileFile::fromBytes(text);
}

EventGrid load(const ProfileFile& store) {
    EventGrid grid;
    int splitter = 200;
    readGridFrom(store, grid, splitter, settings());
    return grid;
}

const std::vector<std::string> Mixed = {
    entry("Wedding", 35000, "Repeat=Yearly\r\nRemind=0,1440\r\n"),
    entry("Meeting", 46380, "Remind=15, soon ,999999\r\n"),
    entry("Birthday", 31837, "Repeat=Monthly\r\n"),
    entry("Dentist", 46390),
};

TEST(EventOptions, ReadKeptAsWrittenAndWrittenOnlyWhereSet) {
    const EventGrid grid = load(storeOf(Mixed));
    EXPECT_EQ(optionsOf(grid),
              (std::vector<std::string>{"Wedding Yearly|0,1440", "Meeting |15, soon ,999999",
                                        "Birthday Monthly|", "Dentist |"}));
    ProfileFile saved;
    writeGridTo(saved, grid, 200, settings(), 2026);
    EXPECT_EQ(optionsOf(load(saved)), optionsOf(grid));
    EXPECT_FALSE(saved.readValue("Entry4", "Repeat"));
    EXPECT_FALSE(saved.readValue("Entry4", "Remind"));
}

TEST(EventOptions, MoveWithTheirEventsThroughSortAndDelete) {
    ProfileFile store = storeOf(Mixed);
    EventGrid grid = load(store);
    SortGridRows(grid.cells, 1, 4, DescriptionCol, false);
    deleteRow(grid, 1); // Birthday
    writeGridTo(store, grid, 200, settings(), 2026);
    // Sections whose event left them lose keys that were not its own.
    EXPECT_EQ(optionsOf(load(store)),
              (std::vector<std::string>{"Dentist |", "Meeting |15, soon ,999999",
                                        "Wedding Yearly|0,1440"}));
    EXPECT_FALSE(store.readValue("Entry1", "Repeat"));
    EXPECT_FALSE(store.readValue("Entry1", "Remind"));
    for (const int n : {4, 5, 26}) {
        EXPECT_FALSE(store.readValue("Entry" + std::to_string(n), "Repeat")) << n;
        EXPECT_FALSE(store.readValue("Entry" + std::to_string(n), "Remind")) << n;
    }
}

TEST(EventOptions, MoveWithEventsTakenInFromOutside) {
    test::TempFolder folder;
    const RegionalSettings rs = settings();
    writeGrid(folder.path(), load(storeOf({entry("Dentist", 46390)})), 200, rs, 2026);
    EventGrid ours;
    int splitter = 200;
    readGrid(folder.path(), ours, splitter, rs);
    StoreWatch watch;
    watch.remember(storePath(folder.path()), rs);
    // Another program adds a yearly event with reminders.
    writeGrid(folder.path(), load(storeOf({entry("Dentist", 46390), Mixed[0]})), 200, rs, 2026);
    ASSERT_EQ(watch.takeInOutsideChanges(storePath(folder.path()), ours, rs), 1);
    EXPECT_EQ(optionsOf(ours), (std::vector<std::string>{"Dentist |", "Wedding Yearly|0,1440"}));
}

TEST(ProfileFile, DeletingAKeyLeavesEverythingElse) {
    ProfileFile file = ProfileFile::fromBytes(
        "; note\r\n[A]\r\nx=1\r\nRemind=5\r\ny=2\r\nremind=6\r\n\r\n[B]\r\nRemind=7\r\n");
    file.deleteKey("a", "REMIND");
    file.deleteKey("C", "Remind");
    EXPECT_EQ(file.toBytes(), "; note\r\n[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nRemind=7\r\n");
    EXPECT_EQ(file.readString("A", "y", ""), "2");
    file.writeString("A", "Remind", "8");
    EXPECT_EQ(file.readString("A", "Remind", ""), "8");
}

} // namespace
} // namespace vz
