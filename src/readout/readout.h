// The countdown outside the window: what the command line prints for terminals, scripts and
// status bars. Every text is the window's own (the grid's cells, the copied report, the short
// interval wording); the store is only read.
//
//     vz::EventGrid grid;
//     if (const std::string error = vz::readStoreForReadout(folder, grid, rs, year);
//     !error.empty())
//         ...                                          // "cannot read /…/zadud2.ini: …"
//     const auto events = vz::listEvents(grid, now, rs, year);
//     std::string table = vz::formatListing(events, false);
//     vz::NextReadout next = vz::nextReadout(grid, events, now, rs);
#pragma once

#include "engine/datetime.h"
#include "engine/regional.h"
#include "store/event_grid.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vz {

// Reads the store of `folder` as the window would show it at its next start (an older store
// waiting for conversion is converted in memory), without writing anything. Answers an empty
// text on success, else "cannot read <path>: <reason>" (a missing store included: a read-out of
// a store that is not there would pass for an empty list).
std::string readStoreForReadout(const std::filesystem::path& folder, EventGrid& grid,
                                const RegionalSettings& rs, int currentYear);

// The moment an event row counts to from `now`: its date and time, or a yearly event's next
// occurrence. Every read-out (the list's interval, the report, the next event) takes the moment
// from here. Throws EConvertError when the row's date or time text does not read.
TDateTime countsTo(const EventGrid& grid, int row, TDateTime now, const RegionalSettings& rs,
                   int currentYear);

// One event as the grid shows it: its five cells, and the moment it counts to (none when its
// date or time does not read; `error` then says why, and Day and When stay empty as in the grid).
struct ListedEvent {
    int row = 0;
    std::string description, date, time, day, when;
    std::optional<TDateTime> instant;
    std::string error;
};
std::vector<ListedEvent> listEvents(const EventGrid& grid, TDateTime now,
                                    const RegionalSettings& rs, int currentYear);

// One line per event: columns aligned for a terminal, or separated by tabs. A tab or line
// break inside a cell is shown as a blank, so each event stays one line of its columns.
std::string formatListing(const std::vector<ListedEvent>& events, bool tabSeparated);

// The event row that `which` names: a row number of a listed event, else the first event whose
// description equals it after both went through `fold`. 0 when none does.
using CaseFold = std::function<std::string(std::string_view)>;
std::string foldAscii(std::string_view text);
int findEventRow(const EventGrid& grid, std::string_view which, const CaseFold& fold = foldAscii);

// The report a copy of the display puts on the clipboard for `row` at `now`. Throws
// EConvertError when the row's date or time does not read.
std::string eventReport(const EventGrid& grid, int row, TDateTime now, const RegionalSettings& rs,
                        int currentYear);

// The nearest event still to come, in the few words a status bar has room for.
struct NextReadout {
    int row = 0;          // 0: nothing to come, and every text below is empty
    std::string text;     // "Dentist: 2 dys 3 hrs"
    std::string tooltip;  // the copied report, with plain line feeds
    std::string cssClass; // "today" (on today's date), "soon" (within a week), "later"
    std::string alt;      // the description
    // How long `text` stays as it is (at most a minute: an event added meanwhile shows then).
    double secondsUnchanged = 60;
};
NextReadout nextReadout(const EventGrid& grid, const std::vector<ListedEvent>& events,
                        TDateTime now, const RegionalSettings& rs);
// The one-line JSON object status bars read: text, tooltip, class and alt.
std::string nextJson(const NextReadout& next);

// Whether a command line asks for the window: no arguments, or only those of the window
// system's own options (as "-session <id>" from a session manager, or "-platform wayland").
// Everything else is for the read-out.
bool argumentsAskForWindow(const std::vector<std::string>& arguments);

} // namespace vz
