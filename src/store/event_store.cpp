#include "store/event_store.h"

#include "engine/datetext.h"
#include "store/integer_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <string>

namespace fs = std::filesystem;

namespace vz {

namespace {

constexpr std::string_view EntrySectionPrefix = "Entry";
constexpr std::string_view DescKey = "Desc";
constexpr std::string_view DateKey = "Date";
constexpr std::string_view TimeKey = "Time";
// Written only for events that have them, and removed from every other entry, so a key left in
// a section never attaches itself to the event saved there next.
constexpr std::string_view RepeatKey = "Repeat";
constexpr std::string_view RemindKey = "Remind";
constexpr std::string_view SplitSection = "Split";
constexpr std::string_view PosKey = "Pos";
constexpr std::string_view LastoneSection = "Lastone";
constexpr std::string_view TopKey = "Top";
constexpr std::string_view LastKey = "Last";
// What a missing divider position reads as, so it can be told from an empty one.
constexpr std::string_view MissingValue = "error";

// One more than the event rows: the heading row is counted too.
constexpr int EntrySectionCount = EventGridRows;

std::string entrySection(int n) {
    return std::string(EntrySectionPrefix) + std::to_string(n);
}

bool isCalendarDay(std::int32_t day) {
    return day >= MinDayNumber && day <= MaxDayNumber;
}

void writeOptional(ProfileFile& store, const std::string& section, std::string_view key,
                   std::string_view value) {
    if (value.empty())
        store.deleteKey(section, key);
    else
        store.writeString(section, key, value);
}

void writeEntry(ProfileFile& store, int n, std::string_view desc, std::int32_t date,
                std::string_view time, std::string_view repeat = {}, std::string_view remind = {}) {
    const std::string section = entrySection(n);
    store.writeString(section, DescKey, desc);
    store.writeInteger(section, DateKey, date);
    store.writeString(section, TimeKey, time);
    writeOptional(store, section, RepeatKey, repeat);
    writeOptional(store, section, RemindKey, remind);
}

// Entry `n` from row `r` of `from` (a list row or a kept one) with its day number.
void writeEntryRow(ProfileFile& store, int n, const StringGrid& from, int r, std::int32_t day) {
    writeEntry(store, n, from.cell(DescriptionCol, r), day, from.cell(TimeCol, r),
               from.cell(RepeatCol, r), from.cell(RemindCol, r));
}

// Reads entry section `section` into row `r` of `into` (a list row or a kept one). Only an
// entry with a "Desc" and a "Time" key (whatever their values, "error" included) and a date
// other than 0 is an event; false leaves the row as it was.
bool readEntry(const ProfileFile& store, const std::string& section, StringGrid& into, int r,
               const RegionalSettings& rs) {
    // A missing key, not a value, makes an entry incomplete: an event may well be called
    // "error".
    std::optional<std::string> desc = store.readValue(section, DescKey);
    const std::int32_t date = store.readInteger(section, DateKey, 0);
    std::optional<std::string> time = store.readValue(section, TimeKey);
    // A day number outside the calendar cannot come from a save; shown, it would read as
    // the calendar's zero and be saved as a date the user never chose.
    if (!desc || date == 0 || !isCalendarDay(date) || !time)
        return false;
    into.cell(DescriptionCol, r) = std::move(*desc);
    into.cell(DateCol, r) = dateToStr(static_cast<TDateTime>(date), rs);
    into.cell(TimeCol, r) = std::move(*time);
    into.cell(LoadedDayCol, r) = std::to_string(date);
    into.cell(RepeatCol, r) = store.readString(section, RepeatKey, "");
    into.cell(RemindCol, r) = store.readString(section, RemindKey, "");
    return true;
}

// The number of an entry section ("Entry27", any case), or 0 for any other name. Numbers are
// written without leading zeros, and sections named otherwise are not ours.
int entryNumber(std::string_view name) {
    if (name.size() <= EntrySectionPrefix.size() || name.size() > EntrySectionPrefix.size() + 9)
        return 0;
    for (std::size_t i = 0; i < EntrySectionPrefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) !=
            std::tolower(static_cast<unsigned char>(EntrySectionPrefix[i])))
            return 0;
    const std::string_view digits = name.substr(EntrySectionPrefix.size());
    if (digits.front() == '0' ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoi(std::string(digits));
}

// The entry sections to load, in order: Entry1 to Entry26 as the list always had them, then
// the entries kept beyond the list, by number (a hand-edited file may leave gaps).
std::vector<int> entryNumbers(const ProfileFile& store) {
    std::vector<int> numbers;
    for (int n = 1; n <= EntrySectionCount; ++n)
        numbers.push_back(n);
    std::vector<int> beyond;
    for (const std::string& name : store.sectionNames())
        if (const int n = entryNumber(name); n > EntrySectionCount)
            beyond.push_back(n);
    std::sort(beyond.begin(), beyond.end());
    beyond.erase(std::unique(beyond.begin(), beyond.end()), beyond.end());
    numbers.insert(numbers.end(), beyond.begin(), beyond.end());
    return numbers;
}

void writeRows(ProfileFile& store, std::int32_t top, std::int32_t last) {
    store.writeInteger(LastoneSection, TopKey, top);
    store.writeInteger(LastoneSection, LastKey, last);
}

std::int32_t rowDay(const StringGrid& rows, int r, const RegionalSettings& rs, int currentYear) {
    TDateTime date = 0;
    if (tryStrToDate(rows.cell(DateCol, r), rs, currentYear, date))
        return static_cast<std::int32_t>(std::trunc(date));
    const std::int32_t loaded = integerTextOr(rows.cell(LoadedDayCol, r), 0);
    return isCalendarDay(loaded) ? loaded : 0;
}

} // namespace

fs::path storePath(const fs::path& folder) {
    return folder / StoreFileName;
}

std::int32_t myStrToDate(std::string_view text, const RegionalSettings& rs, int currentYear) {
    TDateTime date = 0;
    if (!tryStrToDate(text, rs, currentYear, date))
        return 0;
    return static_cast<std::int32_t>(std::trunc(date));
}

void readGridFrom(const ProfileFile& store, EventGrid& grid, int& splitterPos,
                  const RegionalSettings& rs) {
    // No divider position, or one that would collapse the display (an older store converted
    // without one reads as 0), leaves the designed position.
    const std::string pos = store.readString(SplitSection, PosKey, MissingValue);
    if (pos != MissingValue)
        if (const std::int32_t stored = integerTextOr(pos, 0); stored > 0)
            splitterPos = stored;

    for (int r = FirstEventRow; r <= LastEventRow; ++r)
        grid.cells.clearRow(r);
    grid.kept = StringGrid(grid.cells.colCount(), 0);
    // Filled by position, not by findFirstBlankRow: an entry may have an empty description.
    int next = FirstEventRow;
    for (const int n : entryNumbers(store)) {
        const std::string section = entrySection(n);
        if (next <= LastEventRow) {
            if (readEntry(store, section, grid.cells, next, rs))
                ++next;
        } else {
            const int row = grid.kept.appendRow();
            if (!readEntry(store, section, grid.kept, row, rs))
                grid.kept.removeRow(row);
        }
    }

    grid.topRow = clampToEventRow(store.readInteger(LastoneSection, TopKey, FirstEventRow));
    grid.row = clampToEventRow(store.readInteger(LastoneSection, LastKey, FirstEventRow));
}

std::int32_t eventDay(const EventGrid& grid, int r, const RegionalSettings& rs, int currentYear) {
    return rowDay(grid.cells, r, rs, currentYear);
}

std::vector<int> writeGridTo(ProfileFile& store, const EventGrid& grid, int splitterPos,
                             const RegionalSettings& rs, int currentYear) {
    // A save never writes a value it cannot read back. A date text that does not read (a
    // regional setting changed under it, say) would be stored as day 0, and the event would
    // be dropped at the next load: such a row keeps the day number it was loaded with, and a
    // row without one is left out of the file (it stays in the grid) and answered to the caller.
    // Rows without a day are packed away, blank ones included; loading packs the same way.
    std::vector<int> unsaved;
    int n = 1;
    for (int r = FirstEventRow; r < grid.cells.rowCount(); ++r) {
        const std::int32_t day = eventDay(grid, r, rs, currentYear);
        if (day == 0) {
            if (!grid.isBlank(r))
                unsaved.push_back(r);
            continue;
        }
        writeEntryRow(store, n++, grid.cells, r, day);
    }
    for (; n <= EntrySectionCount; ++n)
        writeEntry(store, n, "", 0, "");
    // Events beyond the list follow the always blank last entry, where a program that knows
    // only the list's entries leaves them alone. They came from the file, so each has the day
    // it was read with; entries beyond them are gone (their events moved into the list).
    for (int k = 0; k < grid.kept.rowCount(); ++k)
        if (const std::int32_t day = rowDay(grid.kept, k, rs, currentYear); day != 0)
            writeEntryRow(store, n++, grid.kept, k, day);
    for (const std::string& name : store.sectionNames())
        if (entryNumber(name) >= n)
            store.removeSection(name);
    store.writeString(SplitSection, PosKey, std::to_string(splitterPos));
    writeRows(store, grid.topRow, grid.row);
    return unsaved;
}

bool holdsWholeSave(const ProfileFile& store) {
    return store.readValue(LastoneSection, LastKey).has_value();
}

void convertOldStore(const ProfileFile& oldStore, ProfileFile& store, const RegionalSettings& rs,
                     int currentYear) {
    for (int n = 1; n <= EntrySectionCount; ++n) {
        const std::string section = entrySection(n);
        writeEntry(store, n, oldStore.readString(section, DescKey, ""),
                   myStrToDate(oldStore.readString(section, DateKey, ""), rs, currentYear),
                   oldStore.readString(section, TimeKey, ""));
    }
    // An older store without a divider position keeps the one the store has, if any.
    if (const std::int32_t pos = oldStore.readInteger(SplitSection, PosKey, 0); pos > 0)
        store.writeInteger(SplitSection, PosKey, pos);
    writeRows(store, oldStore.readInteger(LastoneSection, TopKey, FirstEventRow),
              oldStore.readInteger(LastoneSection, LastKey, FirstEventRow));
}

void readGrid(const fs::path& folder, EventGrid& grid, int& splitterPos,
              const RegionalSettings& rs) {
    readGridFrom(ProfileFile::open(storePath(folder)), grid, splitterPos, rs);
}

std::vector<int> writeGrid(const fs::path& folder, const EventGrid& grid, int splitterPos,
                           const RegionalSettings& rs, int currentYear) {
    const fs::path path = storePath(folder);
    ProfileFile store = ProfileFile::open(path);
    std::vector<int> unsaved = writeGridTo(store, grid, splitterPos, rs, currentYear);
    store.commit(path);
    return unsaved;
}

void ConvertOldZadudIniFile(const fs::path& folder, const RegionalSettings& rs, int currentYear) {
    const fs::path oldPath = folder / OldStoreFileName;
    std::error_code ec;
    if (!fs::is_regular_file(oldPath, ec))
        return;
    const ProfileFile oldStore = ProfileFile::open(oldPath);
    // Converting what could not be read would overwrite the store with blanks.
    if (oldStore.unreadable())
        return;
    const fs::path path = storePath(folder);
    ProfileFile store = ProfileFile::open(path);
    convertOldStore(oldStore, store, rs, currentYear);
    store.commit(path);
    // A failed rename is not reported: the conversion then simply runs again at the next start.
    fs::rename(oldPath, folder / OldStoreBackupFileName, ec);
}

} // namespace vz
