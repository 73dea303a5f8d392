// The event store on an arbitrary file: loading never fails and leaves a grid the window can
// show (headings untouched, selection on an event row, display columns empty); the conversion
// of an older store never fails; and once saved, a loaded list saves and loads unchanged, the
// events kept beyond the list's rows included, and no event is lost on the way.
#include "engine/datetext.h"
#include "store/event_store.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

constexpr int CurrentYear = 2026;

vz::EventGrid loaded(const vz::ProfileFile& store, const vz::RegionalSettings& rs, int& splitter) {
    vz::EventGrid grid;
    vz::writeHeadings(grid);
    vz::readGridFrom(store, grid, splitter, rs);
    check(grid.row >= vz::FirstEventRow && grid.row <= vz::LastEventRow);
    check(grid.topRow >= vz::FirstEventRow && grid.topRow <= vz::LastEventRow);
    for (int col = 0; col < vz::EventGridCols; ++col)
        check(grid.cells.cell(col, 0) == vz::EventGridHeadings[static_cast<std::size_t>(col)]);
    // Loaded events fill rows 1 to n, each with its date; every row after them is empty.
    bool ended = false;
    for (int r = vz::FirstEventRow; r <= vz::LastEventRow; ++r) {
        check(grid.cells.cell(vz::DayCol, r).empty() && grid.cells.cell(vz::WhenCol, r).empty());
        const bool event = !grid.cells.cell(vz::DateCol, r).empty();
        check(!(ended && event));
        if (!event) {
            ended = true;
            check(grid.cells.cell(vz::DescriptionCol, r).empty() &&
                  grid.cells.cell(vz::TimeCol, r).empty());
        }
    }
    return grid;
}

int eventCount(const vz::EventGrid& grid) {
    int count = grid.kept.rowCount();
    for (int r = vz::FirstEventRow; r <= vz::LastEventRow; ++r)
        count += vz::holdsEvent(grid, r) ? 1 : 0;
    return count;
}

vz::ProfileFile saved(const vz::EventGrid& grid, int splitter, const vz::RegionalSettings& rs) {
    vz::ProfileFile store;
    vz::writeGridTo(store, grid, splitter, rs, CurrentYear);
    return vz::ProfileFile::fromBytes(store.toBytes());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    vz::RegionalSettings rs = vz::usDefaults();
    vz::fix2000(rs);

    const vz::ProfileFile file = vz::ProfileFile::fromBytes(input);
    int splitter = 200;
    const vz::EventGrid first = loaded(file, rs, splitter);

    // The file read as an older store converts without failing and loads as a valid grid.
    vz::ProfileFile converted;
    vz::convertOldStore(file, converted, rs, CurrentYear);
    int convertedSplitter = 200;
    loaded(vz::ProfileFile::fromBytes(converted.toBytes()), rs, convertedSplitter);

    // Saving into the same file keeps the list; from then on it is stable.
    vz::ProfileFile updated = file;
    vz::writeGridTo(updated, first, splitter, rs, CurrentYear);
    int splitter2 = 0;
    const vz::EventGrid second =
        loaded(vz::ProfileFile::fromBytes(updated.toBytes()), rs, splitter2);
    check(splitter2 == splitter);
    check(second.row == first.row && second.topRow == first.topRow);
    check(eventCount(second) == eventCount(first));
    int splitter3 = 0;
    const vz::EventGrid third = loaded(saved(second, splitter2, rs), rs, splitter3);
    check(third.cells == second.cells && third.kept == second.kept && splitter3 == splitter2);
    return 0;
}
