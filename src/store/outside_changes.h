// A store can change on disk while the program runs: a sync tool brings in another machine's copy,
// or the user edits the file by hand. Saving our list over it blind would drop the events that
// came in that way, so the window keeps a StoreWatch: it remembers what the file held when we
// last read or wrote it, and before each save it merges in what changed since.
//
// The merge: events that appeared in the file since are added to our list; events another program
// removed from the file stay in our list (nothing is dropped on someone else's behalf); events we
// deleted stay deleted, even though the file still holds them. Only the events are merged: the
// divider and the rows in view are ours.
//
//     vz::StoreWatch watch;
//     vz::readGrid(folder, list, splitter, rs);
//     watch.remember(vz::storePath(folder), rs);
//     ...
//     watch.takeInOutsideChanges(vz::storePath(folder), list, rs);   // then sort and save
//     vz::writeGrid(folder, list, splitter, rs, year);
//     watch.remember(vz::storePath(folder), rs);
#pragma once

#include "engine/regional.h"
#include "store/event_grid.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>

namespace vz {

class StoreWatch {
public:
    // Notes the file as it is now (after a load or a save).
    void remember(const std::filesystem::path& storeFile, const RegionalSettings& rs);

    // When the file changed since it was remembered, adds the events that came into it to the
    // blank rows of `grid` (in file order) and returns how many it added. Events that find no
    // blank row (the list holds 25) are not added.
    int takeInOutsideChanges(const std::filesystem::path& storeFile, EventGrid& grid,
                             const RegionalSettings& rs);

private:
    using EventKey = std::tuple<std::string, std::string, std::string>; // description, date, time
    using EventCounts = std::map<EventKey, int>;

    struct Fingerprint {
        bool exists = false;
        std::uintmax_t size = 0;
        std::uint64_t hash = 0;
        bool operator==(const Fingerprint&) const = default;
    };
    static Fingerprint fingerprintOf(const std::string* bytes);
    static EventCounts countEvents(const EventGrid& grid);
    static EventGrid loadEvents(const std::string& bytes, const RegionalSettings& rs);

    Fingerprint m_fingerprint;
    EventCounts m_events; // what the file held when remembered
};

} // namespace vz
