#include "engine/datetext.h"
#include "store/atomic_file.h"
#include "store/event_store.h"
#include "store/sortgrid.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace vz {
namespace {

constexpr int CurrentYear = 2026;
constexpr int DesignedSplitterPos = 200;

RegionalSettings settings() {
    RegionalSettings rs = usDefaults();
    fix2000(rs);
    return rs;
}

struct Event {
    std::string desc;
    std::string date;
    std::string time;
};

EventGrid listOf(const std::vector<Event>& events) {
    EventGrid grid;
    writeHeadings(grid);
    int r = 1;
    for (const auto& e : events) {
        grid.cells.cell(DescriptionCol, r) = e.desc;
        grid.cells.cell(DateCol, r) = e.date;
        grid.cells.cell(TimeCol, r) = e.time;
        ++r;
    }
    return grid;
}

std::vector<Event> eventsOf(const EventGrid& grid) {
    std::vector<Event> events;
    for (int r = 1; r <= LastEventRow && !grid.isBlank(r); ++r)
        events.push_back({grid.cells.cell(DescriptionCol, r), grid.cells.cell(DateCol, r),
                          grid.cells.cell(TimeCol, r)});
    return events;
}

bool operator==(const Event& a, const Event& b) {
    return a.desc == b.desc && a.date == b.date && a.time == b.time;
}
std::ostream& operator<<(std::ostream& out, const Event& e) {
    return out << '{' << e.desc << ", " << e.date << ", " << e.time << '}';
}

struct Loaded {
    EventGrid grid;
    int splitter = DesignedSplitterPos;
};

Loaded load(const test::TempFolder& folder) {
    Loaded loaded;
    writeHeadings(loaded.grid);
    readGrid(folder.path(), loaded.grid, loaded.splitter, settings());
    return loaded;
}

void save(const test::TempFolder& folder, const EventGrid& grid, int splitter = 200) {
    writeGrid(folder.path(), grid, splitter, settings(), CurrentYear);
}

std::string blankEntries(int from) {
    std::string text;
    for (int n = from; n <= 26; ++n)
        text += "[Entry" + std::to_string(n) + "]\r\nDesc=\r\nDate=0\r\nTime=\r\n";
    return text;
}

TEST(MyStrToDate, DayNumberOrZero) {
    struct Case {
        const char* text;
        int expected;
    } cases[] = {
        {"1/1/2000", 36526}, {"12/30/1899", 0}, {"12/29/1899", -1}, {"2/29/2024", 45351}, {"", 0},
        {"garbage", 0},      {"2/30/2024", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(myStrToDate(c.text, settings(), CurrentYear), c.expected) << c.text;
}

TEST(EventStore, NoFileLoadsAnEmptyListAndTheFirstSaveWritesEveryEntry) {
    const test::TempFolder folder;
    const Loaded loaded = load(folder);
    EXPECT_TRUE(eventsOf(loaded.grid).empty());
    EXPECT_EQ(loaded.splitter, DesignedSplitterPos);
    EXPECT_EQ(loaded.grid.row, 1);
    EXPECT_EQ(loaded.grid.topRow, 1);
    EXPECT_FALSE(folder.exists("zadud2.ini"));

    save(folder, listOf({{"Birthday", "1/1/2000", "12:00 AM"}}));
    EXPECT_EQ(folder.read("zadud2.ini"),
              "[Entry1]\r\nDesc=Birthday\r\nDate=36526\r\nTime=12:00 AM\r\n" + blankEntries(2) +
                  "[Split]\r\nPos=200\r\n[Lastone]\r\nTop=1\r\nLast=1\r\n");
}

TEST(EventStore, LoadsAcceptedEntriesPackedInFileOrder) {
    const test::TempFolder folder;
    folder.write("zadud2.ini", "[Entry1]\r\nDesc=One\r\nDate=36526\r\nTime=12:00 AM\r\n"
                               "[Entry2]\r\nDesc=\r\nDate=0\r\nTime=\r\n"
                               "[Entry3]\r\nDesc=Hex date\r\nDate=0x8EAE\r\nTime=01:00 PM\r\n"
                               "[Entry4]\r\nDesc=No date\r\nTime=01:00 PM\r\n"
                               "[Entry5]\r\nDesc=\r\nDate=36527\r\nTime=02:00 PM\r\n"
                               "[Entry6]\r\nDesc=No time\r\nDate=36527\r\n"
                               "[Entry7]\r\nDate=36527\r\nTime=02:00 PM\r\n"
                               "[Entry8]\r\nDesc=Zero day\r\nDate=0\r\nTime=02:00 PM\r\n"
                               "[Entry9]\r\nDesc=Off the calendar\r\nDate=99999999\r\nTime=x\r\n"
                               "[Entry10]\r\nDesc=Old\r\nDate=-1\r\nTime=03:00 AM\r\n"
                               "[Entry11]\r\nDesc=error\r\nDate=36527\r\nTime=error\r\n");
    const Loaded loaded = load(folder);
    EXPECT_EQ(eventsOf(loaded.grid), (std::vector<Event>{{"One", "1/1/2000", "12:00 AM"},
                                                         {"Hex date", "1/1/2000", "01:00 PM"}}));
    // The entry with an empty description is loaded as such, and ends the list there.
    EXPECT_EQ(loaded.grid.cells.cell(DateCol, 3), "1/2/2000");
    EXPECT_EQ(loaded.grid.cells.cell(DescriptionCol, 4), "Old");
    EXPECT_EQ(loaded.grid.cells.cell(DateCol, 4), "12/29/1899");
    // "error" is a value like any other: only a missing key leaves an entry out.
    EXPECT_EQ(loaded.grid.cells.cell(DescriptionCol, 5), "error");
    EXPECT_EQ(loaded.grid.cells.cell(TimeCol, 5), "error");
    EXPECT_TRUE(loaded.grid.cells.cell(DescriptionCol, 6).empty());
    EXPECT_TRUE(loaded.grid.cells.cell(DayCol, 1).empty());
}

TEST(EventStore, LoadReplacesTheListAndKeepsTheHeadings) {
    const test::TempFolder folder;
    folder.write("zadud2.ini", "[Entry1]\r\nDesc=New\r\nDate=36526\r\nTime=12:00 AM\r\n");
    Loaded loaded;
    loaded.grid = listOf({{"A", "1/1/2000", "x"}, {"B", "1/1/2000", "x"}});
    loaded.grid.cells.cell(DayCol, 2) = "Sat";
    readGrid(folder.path(), loaded.grid, loaded.splitter, settings());
    EXPECT_EQ(eventsOf(loaded.grid), (std::vector<Event>{{"New", "1/1/2000", "12:00 AM"}}));
    EXPECT_TRUE(loaded.grid.cells.cell(DayCol, 2).empty());
    EXPECT_EQ(loaded.grid.cells.cell(DescriptionCol, 0), "Description");
}

TEST(EventStore, TheListHolds25EventsAndKeepsTheRest) {
    const test::TempFolder folder;
    std::string text;
    for (int n = 1; n <= 26; ++n)
        text += "[Entry" + std::to_string(n) + "]\r\nDesc=E" + std::to_string(n) +
                "\r\nDate=36526\r\nTime=12:00 AM\r\n";
    folder.write("zadud2.ini", text);
    const Loaded loaded = load(folder);
    EXPECT_EQ(eventsOf(loaded.grid).size(), 25u);
    EXPECT_EQ(loaded.grid.cells.cell(DescriptionCol, 25), "E25");
    EXPECT_EQ(loaded.grid.kept.rowCount(), 1);
}

TEST(EventStore, SplitterAndRowsFromHandEditedFiles) {
    struct Case {
        const char* lines;
        int splitter;
        int top;
        int row;
    } cases[] = {
        {"[Split]\r\nPos=250\r\n[Lastone]\r\nTop=3\r\nLast=7\r\n", 250, 3, 7},
        {"[Split]\r\nPos=error\r\n", DesignedSplitterPos, 1, 1},
        {"[Split]\r\nPos=wide\r\n", DesignedSplitterPos, 1, 1},
        {"[Split]\r\nPos=\r\n", DesignedSplitterPos, 1, 1},
        {"[Split]\r\nPos=$FA\r\n", 250, 1, 1},
        {"[Split]\r\nPos=0\r\n", DesignedSplitterPos, 1, 1},
        {"[Split]\r\nPos=-40\r\n", DesignedSplitterPos, 1, 1},
        {"[Lastone]\r\nTop=-3\r\nLast=99\r\n", DesignedSplitterPos, 1, 25},
        {"[Lastone]\r\nTop=0\r\nLast=0x19\r\n", DesignedSplitterPos, 1, 25},
        {"[Lastone]\r\nTop=x\r\nLast=\r\n", DesignedSplitterPos, 1, 1},
    };
    for (const auto& c : cases) {
        const test::TempFolder folder;
        folder.write("zadud2.ini", c.lines);
        const Loaded loaded = load(folder);
        EXPECT_EQ(loaded.splitter, c.splitter) << c.lines;
        EXPECT_EQ(loaded.grid.topRow, c.top) << c.lines;
        EXPECT_EQ(loaded.grid.row, c.row) << c.lines;
    }
}

TEST(EventStore, FullListRoundTrips) {
    const test::TempFolder folder;
    std::vector<Event> events;
    const char* awkward[] = {"Caf\xC3\xA9", " leading blank", "\"quoted\"", "it's",
                             "a=b;c",       "[bracket]",      "x"};
    for (int i = 0; i < 25; ++i) {
        const std::string desc = i < 7 ? awkward[i] : "Event " + std::to_string(i);
        events.push_back({desc, dateToStr(36526.0 + i * 400 - 30000, settings()),
                          i % 2 ? "12:00 AM" : "07:45 PM"});
    }
    EventGrid grid = listOf(events);
    grid.row = 17;
    grid.topRow = 9;
    save(folder, grid, 321);
    const Loaded loaded = load(folder);
    EXPECT_EQ(eventsOf(loaded.grid), events);
    EXPECT_EQ(loaded.splitter, 321);
    EXPECT_EQ(loaded.grid.row, 17);
    EXPECT_EQ(loaded.grid.topRow, 9);

    // Saving what was loaded gives the same bytes.
    const std::string first = folder.read("zadud2.ini");
    save(folder, loaded.grid, loaded.splitter);
    EXPECT_EQ(folder.read("zadud2.ini"), first);
}

TEST(EventStore, LoadsFilesOfTheOlderProgramsEncoding) {
    const test::TempFolder folder;
    folder.write("zadud2.ini", "[Entry1]\nDesc=Caf\xE9 \xABnoir\xBB\nDate=36526\nTime=12:00 AM");
    EXPECT_EQ(eventsOf(load(folder).grid),
              (std::vector<Event>{{"Caf\xC3\xA9 \xC2\xABnoir\xC2\xBB", "1/1/2000", "12:00 AM"}}));
}

TEST(EventStore, RowsWithoutADayAreLeftOutAndAnswered) {
    const test::TempFolder folder;
    const std::vector<int> unsaved = writeGrid(folder.path(),
                                               listOf({{"Bad", "13/45/2000", "12:00 AM"},
                                                       {"Day zero", "12/30/1899", "12:00 AM"},
                                                       {"Empty date", "", "12:00 AM"},
                                                       {"Good", "1/1/2000", "12:00 AM"}}),
                                               200, settings(), CurrentYear);
    EXPECT_EQ(unsaved, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(eventsOf(load(folder).grid), (std::vector<Event>{{"Good", "1/1/2000", "12:00 AM"}}));
    EXPECT_EQ(folder.read("zadud2.ini").find("Bad"), std::string::npos);
}

TEST(EventStore, AnUnreadableDateKeepsTheDayItWasLoadedWith) {
    const test::TempFolder folder;
    folder.write("zadud2.ini", "[Entry1]\r\nDesc=Later\r\nDate=36527\r\nTime=01:00 PM\r\n"
                               "[Entry2]\r\nDesc=Sooner\r\nDate=36526\r\nTime=02:00 PM\r\n");
    Loaded loaded = load(folder);
    // The regional settings change under the list: neither date text reads any more. The
    // day numbers travel with their rows through sorting and deleting.
    RegionalSettings other = settings();
    other.shortDateFormat = "yyyy-MM-dd";
    other.dateSeparator = "-";
    SortGridRows(loaded.grid.cells, 1, 2, DescriptionCol, true);
    EXPECT_EQ(loaded.grid.cells.cell(DescriptionCol, 1), "Sooner");
    EXPECT_EQ(eventDay(loaded.grid, 1, other, CurrentYear), 36526);
    EXPECT_TRUE(writeGrid(folder.path(), loaded.grid, 200, other, CurrentYear).empty());
    EXPECT_NE(folder.read("zadud2.ini").find("Desc=Sooner\r\nDate=36526\r\n"), std::string::npos);
    deleteRow(loaded.grid, 1);
    EXPECT_EQ(eventDay(loaded.grid, 1, other, CurrentYear), 36527);
    writeGrid(folder.path(), loaded.grid, 200, other, CurrentYear);
    EXPECT_EQ(eventsOf(load(folder).grid), (std::vector<Event>{{"Later", "1/2/2000", "01:00 PM"}}));
    // A date text that reads wins over the day the row was loaded with.
    loaded.grid.cells.cell(DateCol, 1) = "2001-01-01";
    EXPECT_EQ(eventDay(loaded.grid, 1, other, CurrentYear), 36892);
}

TEST(EventStore, SaveKeepsWhatItDoesNotOwn) {
    const test::TempFolder folder;
    folder.write("zadud2.ini", "; kept by hand\r\n[Notes]\r\nWho=me\r\n[entry1]\r\nDESC=Old\r\n"
                               "Extra=1\r\n");
    save(folder, listOf({{"New", "1/1/2000", "12:00 AM"}}));
    const std::string text = folder.read("zadud2.ini");
    EXPECT_EQ(
        text.rfind("; kept by hand\r\n[Notes]\r\nWho=me\r\n[entry1]\r\nDESC=New\r\nExtra=1\r\n"
                   "Date=36526\r\nTime=12:00 AM\r\n[Entry2]\r\n",
                   0),
        0u)
        << text;
}

TEST(EventStore, FailedSaveRaisesTheMessageAndKeepsTheOldFile) {
    const test::TempFolder folder;
    save(folder, listOf({{"Kept", "1/1/2000", "12:00 AM"}}));
    const std::string old = folder.read("zadud2.ini");
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    if (::access(folder.path().c_str(), W_OK) == 0)
        GTEST_SKIP() << "permission bits do not apply to this user";
    try {
        save(folder, listOf({{"Lost", "1/1/2000", "12:00 AM"}}));
        ADD_FAILURE() << "save succeeded";
    } catch (const StoreWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + pathText(folder / "zadud2.ini"));
    }
    EXPECT_EQ(folder.read("zadud2.ini"), old);
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(EventStore, SaveIntoAMissingFolderRaisesTheMessage) {
    const test::TempFolder folder;
    EXPECT_THROW(writeGrid(folder / "gone", listOf({}), 200, settings(), CurrentYear),
                 StoreWriteError);
}

// The older store: dates as date texts.
constexpr std::string_view OldStore =
    "[Entry1]\r\nDesc=Wedding\r\nDate=6/15/1998\r\nTime=03:00 PM\r\n"
    "[Entry2]\r\nDesc=Unreadable\r\nDate=15.06.1998\r\nTime=x\r\n"
    "[Entry3]\r\nDesc=Caf\xE9\r\nDate=1/1/2000\r\nTime=12:00 AM\r\n"
    "[Lastone]\r\nTop=2\r\nLast=3\r\n";
const std::vector<Event> OldEvents = {{"Wedding", "6/15/1998", "03:00 PM"},
                                      {"Caf\xC3\xA9", "1/1/2000", "12:00 AM"}};

void convert(const test::TempFolder& folder) {
    ConvertOldZadudIniFile(folder.path(), settings(), CurrentYear);
}

TEST(ConvertOldStore, NothingToConvert) {
    const test::TempFolder folder;
    convert(folder);
    EXPECT_EQ(folder.entryCount(), 0u);
    folder.write("zadud2.ini", "[Entry1]\r\nDesc=Mine\r\n");
    convert(folder);
    EXPECT_EQ(folder.read("zadud2.ini"), "[Entry1]\r\nDesc=Mine\r\n");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(ConvertOldStore, OnlyTheOlderStoreIsConvertedAtOnceAndKept) {
    const test::TempFolder folder;
    folder.write("zadud.ini", OldStore);
    convert(folder);
    EXPECT_FALSE(folder.exists("zadud.ini"));
    EXPECT_EQ(folder.read("zadud.ini.bak"), OldStore);
    const Loaded loaded = load(folder);
    EXPECT_EQ(eventsOf(loaded.grid), OldEvents);
    // The older store had no divider position: the display keeps its designed height.
    EXPECT_EQ(loaded.splitter, DesignedSplitterPos);
    EXPECT_EQ(loaded.grid.topRow, 2);
    EXPECT_EQ(loaded.grid.row, 3);
    EXPECT_NE(folder.read("zadud2.ini").find("[Entry2]\r\nDesc=Unreadable\r\nDate=0\r\n"),
              std::string::npos);

    convert(folder); // runs once only
    EXPECT_EQ(eventsOf(load(folder).grid), OldEvents);
}

TEST(ConvertOldStore, TheOlderStoreReplacesTheCurrentOne) {
    const test::TempFolder folder;
    save(folder, listOf({{"A", "1/1/2001", "x"}, {"B", "1/1/2002", "x"}, {"C", "1/1/2003", "x"}}),
         150);
    folder.write("zadud.ini", std::string(OldStore) + "[Split]\r\nPos=180\r\n");
    folder.write("zadud.ini.bak", "an older backup");
    convert(folder);
    const Loaded loaded = load(folder);
    EXPECT_EQ(eventsOf(loaded.grid), OldEvents);
    EXPECT_EQ(loaded.splitter, 180);
    EXPECT_EQ(folder.read("zadud.ini.bak").rfind(OldStore, 0), 0u);
    EXPECT_EQ(folder.entryCount(), 2u);
}

TEST(ConvertOldStore, AnOlderStoreWithoutADividerKeepsTheStoresPosition) {
    const test::TempFolder folder;
    save(folder, listOf({{"A", "1/1/2001", "x"}}), 150);
    folder.write("zadud.ini", std::string(OldStore) + "[Split]\r\nPos=0\r\n");
    convert(folder);
    EXPECT_EQ(load(folder).splitter, 150);
}

TEST(ConvertOldStore, AFailedWriteKeepsBothFiles) {
    const test::TempFolder folder;
    folder.write("zadud.ini", OldStore);
    std::filesystem::create_directory(folder / "zadud2.ini");
    EXPECT_THROW(convert(folder), StoreWriteError);
    EXPECT_EQ(folder.read("zadud.ini"), OldStore);
    EXPECT_FALSE(folder.exists("zadud.ini.bak"));
}

} // namespace
} // namespace vz
