// The one application-wide watcher of mouse presses while a date field's calendar is open: a
// press outside both the focused field and its calendar asks that field, by a posted call, to
// close the calendar accepting its date. Shared by all date fields; installed by the first
// drop-down that finds none, removed by every close-up and by the destruction of any field.
#pragma once

namespace vz {

void installDropDownWatcher();
void removeDropDownWatcher();
bool dropDownWatcherInstalled();

} // namespace vz
