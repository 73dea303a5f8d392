// A grid of text cells addressed as (column, row), the shape the event list and the sorting
// routines share. Whole rows are copied or swapped; columns beyond the smaller grid are ignored.
//
//     vz::StringGrid grid(5, 26);
//     grid.cell(0, 1) = "Birthday";
//     grid.swapRows(1, 2);
#pragma once

#include <string>
#include <vector>

namespace vz {

class StringGrid {
public:
    StringGrid(int colCount, int rowCount);

    int colCount() const { return m_colCount; }
    int rowCount() const { return m_rowCount; }
    bool contains(int col, int row) const {
        return col >= 0 && col < m_colCount && row >= 0 && row < m_rowCount;
    }

    // Both require contains(col, row).
    std::string& cell(int col, int row) { return m_cells[index(col, row)]; }
    const std::string& cell(int col, int row) const { return m_cells[index(col, row)]; }

    // Copies row `fromRow` of `from` into row `toRow`, cell by cell, over the smaller of the two
    // column counts.
    void copyRow(const StringGrid& from, int fromRow, int toRow);
    void swapRows(int a, int b);
    void clearRow(int row);
    // A blank row after the last one; answers its number.
    int appendRow();
    // Removes row `row` (which must exist): later rows move up one.
    void removeRow(int row);

    bool operator==(const StringGrid&) const = default;

private:
    std::size_t index(int col, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_colCount) +
               static_cast<std::size_t>(col);
    }

    int m_colCount;
    int m_rowCount;
    std::vector<std::string> m_cells;
};

} // namespace vz
