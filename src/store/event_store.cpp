#include "store/event_store.h"

#include "engine/datetext.h"
#include "store/integer_text.h"

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

void writeRows(ProfileFile& store, std::int32_t top, std::int32_t last) {
    store.writeInteger(LastoneSection, TopKey, top);
    store.writeInteger(LastoneSection, LastKey, last);
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
    int next = FirstEventRow;
    for (int n = 1; n <= EntrySectionCount && next <= LastEventRow; ++n) {
        const std::string section = entrySection(n);
        // A missing key, not a value, makes an entry incomplete: an event may well be called
        // "error".
        std::optional<std::string> desc = store.readValue(section, DescKey);
        const std::int32_t date = store.readInteger(section, DateKey, 0);
        std::optional<std::string> time = store.readValue(section, TimeKey);
        // A day number outside the calendar cannot come from a save; shown, it would read as
        // the calendar's zero and be saved as a date the user never chose.
        if (!desc || date == 0 || !isCalendarDay(date) || !time)
            continue;
        grid.cells.cell(DescriptionCol, next) = std::move(*desc);
        grid.cells.cell(DateCol, next) = dateToStr(static_cast<TDateTime>(date), rs);
        grid.cells.cell(TimeCol, next) = std::move(*time);
        grid.cells.cell(LoadedDayCol, next) = std::to_string(date);
        grid.cells.cell(RepeatCol, next) = store.readString(section, RepeatKey, "");
        grid.cells.cell(RemindCol, next) = store.readString(section, RemindKey, "");
        ++next;
    }

    grid.topRow = clampToEventRow(store.readInteger(LastoneSection, TopKey, FirstEventRow));
    grid.row = clampToEventRow(store.readInteger(LastoneSection, LastKey, FirstEventRow));
}

std::int32_t eventDay(const EventGrid& grid, int r, const RegionalSettings& rs, int currentYear) {
    TDateTime date = 0;
    if (tryStrToDate(grid.cells.cell(DateCol, r), rs, currentYear, date))
        return static_cast<std::int32_t>(std::trunc(date));
    const std::int32_t loaded = integerTextOr(grid.cells.cell(LoadedDayCol, r), 0);
    return isCalendarDay(loaded) ? loaded : 0;
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
        writeEntry(store, n++, grid.cells.cell(DescriptionCol, r), day, grid.cells.cell(TimeCol, r),
                   grid.cells.cell(RepeatCol, r), grid.cells.cell(RemindCol, r));
    }
    for (; n <= EntrySectionCount; ++n)
        writeEntry(store, n, "", 0, "");
    store.writeString(SplitSection, PosKey, std::to_string(splitterPos));
    writeRows(store, grid.topRow, grid.row);
    return unsaved;
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
