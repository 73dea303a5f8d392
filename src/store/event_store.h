// The event store "zadud2.ini" beside the program, and the one-time carrying over of the older
// store "zadud.ini". Every call is one open of the file: nothing is cached between calls.
//
// Layout: sections Entry1 to Entry26 with "Desc" (text), "Date" (whole day number) and "Time"
// (text); "Split"/"Pos", the divider position; "Lastone"/"Top" and "Last", the top visible and
// selected rows. Entry26 stands for a row the grid does not have and is always written blank.
// Events the 25 rows cannot hold are kept in Entry27 on, where a program that reads only the
// list's entries does not look, and are loaded again as rows become free.
// An entry may also hold "Repeat" and "Remind" (see occurrence.h and reminders.h), written only
// for events that have them and kept as written, whatever they say.
//
//     vz::RegionalSettings& rs = vz::processSettings();
//     int splitter = 200;                                  // the designed position
//     vz::readGrid(programFolder, list, splitter, rs);
//     ...
//     vz::writeGrid(programFolder, list, splitter, rs, 2026);   // throws vz::StoreWriteError
//
// Saves replace the file whole and atomically: a save that fails raises
// "Unable to write to <full path of the store>" and leaves the previous file as it was.
#pragma once

#include "engine/regional.h"
#include "store/event_grid.h"
#include "store/profile_file.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace vz {

inline constexpr std::string_view StoreFileName = "zadud2.ini";
inline constexpr std::string_view OldStoreFileName = "zadud.ini";
inline constexpr std::string_view OldStoreBackupFileName = "zadud.ini.bak";

std::filesystem::path storePath(const std::filesystem::path& folder);

// The whole day number of a date text read with the short date pattern, or 0 when the text is
// empty or not a valid date (no message). `currentYear` completes missing or two-digit years.
std::int32_t myStrToDate(std::string_view text, const RegionalSettings& rs, int currentYear);

// The whole day number of event row `r` for saving: its date text read with the short date
// pattern, else the day number the row was loaded with; 0 when there is neither (and for the
// day 0 itself, which the store cannot keep: it marks a blank entry).
std::int32_t eventDay(const EventGrid& grid, int r, const RegionalSettings& rs, int currentYear);

// Loads the store of `folder` into the event rows (1 to 25) of `grid`, its selected and top
// rows, and the divider position. Only entries with a "Desc" and a "Time" key (whatever their
// values, "error" included) and a date other than 0 are loaded, packed from row 1 on in file
// order (Entry1 to Entry26, then the higher entries by number); those beyond row 25 go to the
// grid's kept events. Each row remembers the day number it was loaded with. The heading row is
// left alone; the Day and When columns are left empty for the display.
// A missing file loads an empty list. `splitterPos` keeps its value when the file holds none or
// holds no integer; selected and top rows outside 1 to 25 move to the nearest event row.
void readGrid(const std::filesystem::path& folder, EventGrid& grid, int& splitterPos,
              const RegionalSettings& rs);

// Saves the grid's descriptions, dates (as day numbers) and times, the divider position and the
// selected and top rows; the kept events follow in Entry27 on, and entry sections beyond them
// are removed. Other keys and sections of the file are kept.
// Answers the event rows left out of the file because no day number is known for them (see
// eventDay); they stay in the grid, for the caller to report.
std::vector<int> writeGrid(const std::filesystem::path& folder, const EventGrid& grid,
                           int splitterPos, const RegionalSettings& rs, int currentYear);

// Carries an older store of `folder`, whose dates are date texts, into the store, then renames
// it to "zadud.ini.bak" (replacing an older backup) so it is converted once and nothing in it is
// lost. All 26 entries, the divider position and the rows of the store are overwritten. Does
// nothing without an older store, or when it cannot be read; creates the store when only the
// older one exists. Throws
// vz::StoreWriteError when the store cannot be written; the older file then stays.
void ConvertOldZadudIniFile(const std::filesystem::path& folder, const RegionalSettings& rs,
                            int currentYear);

// The file ends as every save ends it, with the selected row: a file cut short (a half-synced
// copy) does not.
bool holdsWholeSave(const ProfileFile& store);

// The in-memory halves of the calls above, for callers that already hold a profile.
void readGridFrom(const ProfileFile& store, EventGrid& grid, int& splitterPos,
                  const RegionalSettings& rs);
std::vector<int> writeGridTo(ProfileFile& store, const EventGrid& grid, int splitterPos,
                             const RegionalSettings& rs, int currentYear);
void convertOldStore(const ProfileFile& oldStore, ProfileFile& store, const RegionalSettings& rs,
                     int currentYear);

} // namespace vz
