#include "store/string_grid.h"

#include <algorithm>
#include <utility>

namespace vz {

StringGrid::StringGrid(int colCount, int rowCount)
    : m_colCount(std::max(colCount, 0)), m_rowCount(std::max(rowCount, 0)),
      m_cells(static_cast<std::size_t>(m_colCount) * static_cast<std::size_t>(m_rowCount)) {}

void StringGrid::copyRow(const StringGrid& from, int fromRow, int toRow) {
    const int cols = std::min(m_colCount, from.m_colCount);
    for (int col = 0; col < cols; ++col)
        cell(col, toRow) = from.cell(col, fromRow);
}

void StringGrid::swapRows(int a, int b) {
    for (int col = 0; col < m_colCount; ++col)
        std::swap(cell(col, a), cell(col, b));
}

void StringGrid::clearRow(int row) {
    for (int col = 0; col < m_colCount; ++col)
        cell(col, row).clear();
}

int StringGrid::appendRow() {
    m_cells.resize(m_cells.size() + static_cast<std::size_t>(m_colCount));
    return m_rowCount++;
}

void StringGrid::removeRow(int row) {
    const auto first = m_cells.begin() + static_cast<std::ptrdiff_t>(index(0, row));
    m_cells.erase(first, first + m_colCount);
    --m_rowCount;
}

} // namespace vz
