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

} // namespace vz
