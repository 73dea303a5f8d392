#include "store/event_grid.h"

#include <algorithm>

namespace vz {

void writeHeadings(EventGrid& grid) {
    for (int col = 0; col < EventGridCols; ++col)
        grid.cells.cell(col, 0) = EventGridHeadings[static_cast<std::size_t>(col)];
}

int findFirstBlankRow(const EventGrid& grid) {
    for (int r = FirstEventRow; r <= LastEventRow; ++r)
        if (grid.isBlank(r))
            return r;
    return -1;
}

int lastListedRow(const EventGrid& grid) {
    const int blank = findFirstBlankRow(grid);
    return blank < 0 ? LastEventRow : blank - 1;
}

void deleteRow(EventGrid& grid, int r) {
    if (r < FirstEventRow || r > LastEventRow)
        return;
    for (; r < LastEventRow; ++r)
        grid.cells.copyRow(grid.cells, r + 1, r);
    grid.cells.clearRow(LastEventRow);
}

int clampToEventRow(int r) {
    return std::clamp(r, FirstEventRow, LastEventRow);
}

bool holdsEvent(const EventGrid& grid, int r) {
    return !grid.isBlank(r) || !grid.cells.cell(DateCol, r).empty();
}

namespace {

// The first row free for an event taken in. Unlike findFirstBlankRow, a row with a date but no
// description (a hand-made entry may have one) is an event, not room for another.
int firstFreeRow(const EventGrid& grid) {
    for (int r = FirstEventRow; r <= LastEventRow; ++r)
        if (!holdsEvent(grid, r))
            return r;
    return -1;
}

} // namespace

bool addEventRow(EventGrid& grid, const StringGrid& from, int fromRow) {
    if (const int blank = firstFreeRow(grid); blank >= 0) {
        grid.cells.copyRow(from, fromRow, blank);
        return true;
    }
    grid.kept.copyRow(from, fromRow, grid.kept.appendRow());
    return false;
}

int showKeptEvents(EventGrid& grid) {
    int moved = 0;
    for (int blank = firstFreeRow(grid); blank >= 0 && grid.kept.rowCount() > 0;
         blank = firstFreeRow(grid)) {
        grid.cells.copyRow(grid.kept, 0, blank);
        grid.kept.removeRow(0);
        ++moved;
    }
    return moved;
}

} // namespace vz
