#include "store/outside_changes.h"

#include "store/atomic_file.h"
#include "store/event_store.h"
#include "store/profile_file.h"

#include <algorithm>
#include <vector>

namespace vz {

namespace {

// FNV-1a: the bytes of a small file, compared with themselves a moment later.
std::uint64_t hashOf(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace

StoreWatch::Fingerprint StoreWatch::fingerprintOf(const std::string* bytes) {
    if (!bytes)
        return {};
    return {true, bytes->size(), hashOf(*bytes)};
}

StoreWatch::EventKey StoreWatch::keyOf(const StringGrid& rows, int r) {
    // What the store keeps of an event; the columns filled for the display, and the day the row
    // was read with, tell nothing of which event it is.
    EventKey key;
    for (int col = 0; col < rows.colCount(); ++col)
        if (col != DayCol && col != WhenCol && col != LoadedDayCol && col != OccurrenceDateCol)
            key.push_back(rows.cell(col, r));
    return key;
}

StoreWatch::EventCounts StoreWatch::countEvents(const EventGrid& grid) {
    EventCounts counts;
    for (int r = FirstEventRow; r <= LastEventRow; ++r)
        if (holdsEvent(grid, r))
            ++counts[keyOf(grid.cells, r)];
    for (int k = 0; k < grid.kept.rowCount(); ++k)
        ++counts[keyOf(grid.kept, k)];
    return counts;
}

int StoreWatch::removeEvent(EventGrid& grid, const EventKey& key, int copies) {
    int removed = 0;
    for (int k = grid.kept.rowCount() - 1; k >= 0 && removed < copies; --k)
        if (keyOf(grid.kept, k) == key) {
            grid.kept.removeRow(k);
            ++removed;
        }
    for (int r = LastEventRow; r >= FirstEventRow && removed < copies; --r)
        if (holdsEvent(grid, r) && keyOf(grid.cells, r) == key) {
            deleteRow(grid, r);
            ++removed;
        }
    return removed;
}

void StoreWatch::remember(const std::filesystem::path& storeFile, const RegionalSettings& rs) {
    std::string bytes;
    const bool read = readWholeFile(storeFile, bytes);
    m_fingerprint = fingerprintOf(read ? &bytes : nullptr);
    EventGrid events;
    if (read) {
        int splitter = 0;
        readGridFrom(ProfileFile::fromBytes(bytes), events, splitter, rs);
    }
    m_events = countEvents(events);
}

int StoreWatch::takeInOutsideChanges(const std::filesystem::path& storeFile, EventGrid& grid,
                                     const RegionalSettings& rs) {
    std::string bytes;
    if (!readWholeFile(storeFile, bytes) || fingerprintOf(&bytes) == m_fingerprint)
        return 0;
    const ProfileFile file = ProfileFile::fromBytes(bytes);
    EventGrid theirs;
    int splitter = 0;
    readGridFrom(file, theirs, splitter, rs);
    const EventCounts theirCounts = countEvents(theirs);
    const EventCounts ours = countEvents(grid);
    const auto countIn = [](const EventCounts& counts, const EventKey& key) {
        const auto found = counts.find(key);
        return found == counts.end() ? 0 : found->second;
    };

    bool sharesAnEvent = false;
    for (const auto& [key, count] : m_events)
        sharesAnEvent = sharesAnEvent || countIn(theirCounts, key) > 0;
    const bool deletionsCount = sharesAnEvent && holdsWholeSave(file);

    int changed = 0;
    // Another program deleted the copies the file held before and holds no more; of those we
    // delete the ones our list still has as they were. Copies we added ourselves stay.
    if (deletionsCount)
        for (const auto& [key, mine] : ours) {
            const int gone = std::min(mine, countIn(m_events, key)) - countIn(theirCounts, key);
            if (gone > 0)
                changed += removeEvent(grid, key, gone);
        }
    changed += showKeptEvents(grid);

    // An event is taken in as often as the file holds it beyond both what it held before and
    // what our list holds: an event we both added is not doubled, one we deleted is not revived.
    EventCounts wanted;
    for (const auto& [key, count] : theirCounts) {
        const int known = std::max(countIn(m_events, key), countIn(ours, key));
        if (count > known)
            wanted[key] = count - known;
    }
    const auto takeIn = [&](const StringGrid& rows, int r) {
        const auto want = wanted.find(keyOf(rows, r));
        if (want == wanted.end() || want->second == 0)
            return;
        // Whole rows: the day it was read with goes along, so a later save can keep it.
        addEventRow(grid, rows, r);
        --want->second;
        ++changed;
    };
    for (int r = FirstEventRow; r <= LastEventRow; ++r)
        if (holdsEvent(theirs, r))
            takeIn(theirs.cells, r);
    for (int k = 0; k < theirs.kept.rowCount(); ++k)
        takeIn(theirs.kept, k);
    return changed;
}

} // namespace vz
