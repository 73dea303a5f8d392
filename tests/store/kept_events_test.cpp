#include "engine/datetext.h"
#include "store/event_store.h"
#include "store/profile_file.h"
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

std::string entry(const std::string& section, const std::string& desc) {
    return "[" + section + "]\r\nDesc=" + desc + "\r\nDate=36526\r\nTime=12:00 AM\r\n";
}

// A hand-made store: "E<n>" in section Entry<n> for each n.
std::string store(const std::vector<int>& numbers) {
    std::string text;
    for (const int n : numbers)
        text += entry("Entry" + std::to_string(n), "E" + std::to_string(n));
    return text;
}

std::vector<int> upTo(int last) {
    std::vector<int> numbers;
    for (int n = 1; n <= last; ++n)
        numbers.push_back(n);
    return numbers;
}

std::vector<std::string> listed(const EventGrid& grid) {
    std::vector<std::string> names;
    for (int r = FirstEventRow; r <= LastEventRow; ++r)
        if (holdsEvent(grid, r))
            names.push_back(grid.cells.cell(DescriptionCol, r));
    return names;
}

std::vector<std::string> kept(const EventGrid& grid) {
    std::vector<std::string> names;
    for (int k = 0; k < grid.kept.rowCount(); ++k)
        names.push_back(grid.kept.cell(DescriptionCol, k));
    return names;
}

std::vector<std::string> names(const std::vector<int>& numbers) {
    std::vector<std::string> out;
    for (const int n : numbers)
        out.push_back("E" + std::to_string(n));
    return out;
}

// What the file holds in one entry section, "" for a blank entry, "-" for no section.
std::string heldIn(const ProfileFile& file, int n) {
    const std::string section = "Entry" + std::to_string(n);
    if (!file.sectionExists(section))
        return "-";
    return file.readString(section, "Desc", "?");
}

class KeptEvents : public ::testing::Test {
protected:
    EventGrid load() {
        EventGrid grid;
        int splitter = 200;
        readGrid(folder.path(), grid, splitter, settings());
        return grid;
    }
    void save(const EventGrid& grid) { writeGrid(folder.path(), grid, 200, settings(), 2026); }
    ProfileFile file() const { return ProfileFile::open(storePath(folder.path())); }

    test::TempFolder folder;
};

TEST_F(KeptEvents, EventsBeyondTheListAreLoadedInFileOrderAndKept) {
    struct Case {
        const char* name;
        std::vector<int> sections;
        std::vector<int> listedFrom; // the sections of the listed events, then of the kept ones
        std::vector<int> keptFrom;
    } cases[] = {
        {"26 entries", upTo(26), upTo(25), {26}},
        {"30 entries", upTo(30), upTo(25), {26, 27, 28, 29, 30}},
        {"gaps beyond the list", {1, 26, 40, 31}, {1, 26, 31, 40}, {}},
        {"a list of 25 and two kept",
         [] {
             std::vector<int> n = upTo(25);
             n.push_back(28);
             n.push_back(27);
             return n;
         }(),
         upTo(25),
         {27, 28}},
    };
    for (const auto& c : cases) {
        folder.write("zadud2.ini", store(c.sections));
        const EventGrid grid = load();
        EXPECT_EQ(listed(grid), names(c.listedFrom)) << c.name;
        EXPECT_EQ(kept(grid), names(c.keptFrom)) << c.name;
    }
}

TEST_F(KeptEvents, ASaveKeepsThemAfterTheAlwaysBlankEntryAndNothingElse) {
    std::string text = store(upTo(30));
    // Not entry sections of ours: left as they are.
    text += "[Entry027]\r\nDesc=Leading zero\r\n[Entry0]\r\nDesc=Zero\r\n[Entries]\r\nDesc=x\r\n";
    folder.write("zadud2.ini", text);
    EventGrid grid = load();
    save(grid);

    ProfileFile saved = file();
    EXPECT_EQ(heldIn(saved, 25), "E25");
    EXPECT_EQ(heldIn(saved, 26), "");
    for (int n = 27; n <= 31; ++n)
        EXPECT_EQ(heldIn(saved, n), "E" + std::to_string(n - 1)) << n;
    EXPECT_EQ(heldIn(saved, 32), "-");
    EXPECT_EQ(saved.readString("Entry027", "Desc", "?"), "Leading zero");
    EXPECT_EQ(saved.readString("Entry0", "Desc", "?"), "Zero");
    EXPECT_EQ(saved.readString("Entries", "Desc", "?"), "x");

    // Saved again, the file reads back the same.
    const EventGrid again = load();
    EXPECT_EQ(listed(again), listed(grid));
    EXPECT_EQ(kept(again), kept(grid));
}

TEST_F(KeptEvents, FreedRowsShowThemAndTheFileLetsGoOfTheirOldEntries) {
    folder.write("zadud2.ini", store(upTo(28)));
    EventGrid grid = load();
    deleteRow(grid, 3);
    deleteRow(grid, 3);
    EXPECT_EQ(listed(grid).size(), 23u);
    EXPECT_EQ(showKeptEvents(grid), 2);
    EXPECT_EQ(grid.cells.cell(DescriptionCol, 24), "E26");
    EXPECT_EQ(grid.cells.cell(DescriptionCol, 25), "E27");
    EXPECT_EQ(kept(grid), names({28}));
    EXPECT_EQ(showKeptEvents(grid), 0);
    save(grid);

    ProfileFile saved = file();
    EXPECT_EQ(heldIn(saved, 26), "");
    EXPECT_EQ(heldIn(saved, 27), "E28");
    EXPECT_EQ(heldIn(saved, 28), "-"); // not a second copy of E28 for the next load
    EXPECT_EQ(load().kept.rowCount(), 1);
}

TEST_F(KeptEvents, ARemovedSectionTakesItsLaterCopiesAlong) {
    // The first of two equal sections is the one read: removing it must not bring the other back.
    folder.write("zadud2.ini",
                 entry("Entry30", "First") + entry("Entry1", "A") + entry("entry30", "Second"));
    EventGrid grid = load();
    EXPECT_EQ(listed(grid), (std::vector<std::string>{"A", "First"}));
    save(grid);
    EXPECT_EQ(heldIn(file(), 30), "-");
    EXPECT_EQ(listed(load()), (std::vector<std::string>{"A", "First"}));
}

} // namespace
} // namespace vz
