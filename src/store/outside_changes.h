// A store can change on disk while the program runs: a sync tool brings in another machine's copy,
// or the user edits the file by hand. Saving our list over it blind would drop the events that
// came in that way, so the window keeps a StoreWatch: it remembers what the file held when we
// last read or wrote it, and before each save it merges in what changed since.
//
// The merge is three-way: what the file held when we last read or wrote it, what it holds now,
// and our list. Events that appeared in the file since are added to our list (to the kept
// events beyond row 25 when the list is full); an event the file no longer holds is deleted
// from our list too, unless we changed or deleted it ourselves; events we deleted stay deleted,
// even though the file still holds them. An event another program edited is thus replaced by
// its new version. Deletions are taken only from a file that looks whole: one that still holds
// at least one event we last saw and ends as every save ends it; an emptied, garbled or cut-off
// file (a half-synced copy) deletes nothing. Events compare by every stored column. Only the
// events are merged: the divider and the rows in view are ours.
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
#include <vector>

namespace vz {

class StoreWatch {
public:
    // Notes the file as it is now (after a load or a save).
    void remember(const std::filesystem::path& storeFile, const RegionalSettings& rs);

    // When the file changed since it was remembered, merges what changed into `grid` (list and
    // kept events) and returns how many events it added or deleted; the caller sorts the list.
    // Freed rows take kept events first, then the ones that came in.
    int takeInOutsideChanges(const std::filesystem::path& storeFile, EventGrid& grid,
                             const RegionalSettings& rs);

private:
    // Every column of a row but those the display fills and the day it was loaded with.
    using EventKey = std::vector<std::string>;
    using EventCounts = std::map<EventKey, int>;

    struct Fingerprint {
        bool exists = false;
        std::uintmax_t size = 0;
        std::uint64_t hash = 0;
        bool operator==(const Fingerprint&) const = default;
    };
    static Fingerprint fingerprintOf(const std::string* bytes);
    static EventKey keyOf(const StringGrid& rows, int r);
    static EventCounts countEvents(const EventGrid& grid);
    static int removeEvent(EventGrid& grid, const EventKey& key, int copies);

    Fingerprint m_fingerprint;
    EventCounts m_events; // what the file held when remembered
};

} // namespace vz
