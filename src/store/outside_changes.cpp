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

StoreWatch::EventCounts StoreWatch::countEvents(const EventGrid& grid) {
    EventCounts counts;
    for (int r = FirstEventRow; r <= LastEventRow && !grid.isBlank(r); ++r)
        ++counts[{grid.cells.cell(DescriptionCol, r), grid.cells.cell(DateCol, r),
                  grid.cells.cell(TimeCol, r)}];
    return counts;
}

EventGrid StoreWatch::loadEvents(const std::string& bytes, const RegionalSettings& rs) {
    EventGrid grid;
    int splitter = 0;
    readGridFrom(ProfileFile::fromBytes(bytes), grid, splitter, rs);
    return grid;
}

void StoreWatch::remember(const std::filesystem::path& storeFile, const RegionalSettings& rs) {
    std::string bytes;
    const bool read = readWholeFile(storeFile, bytes);
    m_fingerprint = fingerprintOf(read ? &bytes : nullptr);
    m_events = read ? countEvents(loadEvents(bytes, rs)) : EventCounts{};
}

int StoreWatch::takeInOutsideChanges(const std::filesystem::path& storeFile, EventGrid& grid,
                                     const RegionalSettings& rs) {
    std::string bytes;
    if (!readWholeFile(storeFile, bytes) || fingerprintOf(&bytes) == m_fingerprint)
        return 0;
    const EventGrid theirs = loadEvents(bytes, rs);
    const EventCounts ours = countEvents(grid);
    // An event is taken in as often as the file holds it beyond both what it held before and
    // what our list holds: an event we both added is not doubled, one we deleted is not revived.
    EventCounts wanted;
    for (const auto& [key, count] : countEvents(theirs)) {
        const auto before = m_events.find(key);
        const auto mine = ours.find(key);
        const int known = std::max(before == m_events.end() ? 0 : before->second,
                                   mine == ours.end() ? 0 : mine->second);
        if (count > known)
            wanted[key] = count - known;
    }
    int added = 0;
    for (int r = FirstEventRow; r <= LastEventRow && !theirs.isBlank(r); ++r) {
        const EventKey key{theirs.cells.cell(DescriptionCol, r), theirs.cells.cell(DateCol, r),
                           theirs.cells.cell(TimeCol, r)};
        const auto want = wanted.find(key);
        if (want == wanted.end() || want->second == 0)
            continue;
        const int blank = findFirstBlankRow(grid);
        if (blank < 0)
            break;
        // The whole row: the day it was read with, so a later save can keep it, and the
        // event's repeat and reminders.
        grid.cells.copyRow(theirs.cells, r, blank);
        --want->second;
        ++added;
    }
    return added;
}

} // namespace vz
