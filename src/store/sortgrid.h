// Sorting a range of a grid's rows by the text of one column, moving whole rows. The order folds
// the ASCII letters a-z to A-Z and compares bytes as unsigned codes (no locale collation), so
// "apple" < "Banana" < "cherry" and a description starting with an accented letter sorts after
// every ASCII one. Ranges of at most five rows are sorted stably; longer ranges by partitioning,
// which may reorder rows whose keys are equal.
//
//     vz::SortGridRows(list.cells, 1, 3, vz::DescriptionCol, false);   // ascending
//
// Row numbers are 16-bit (grids of up to 65535 rows). Rows outside L..R, and the heading row 0,
// are never touched: L is at least 1, R at most the grid's last row, and a key column the grid
// lacks sorts nothing.
#pragma once

#include "store/string_grid.h"

#include <cstdint>
#include <string_view>

namespace vz {

// Compares the sort keys of two texts: negative, zero or positive.
int compareSortKeys(std::string_view a, std::string_view b);

// Sorts indirectly: the keys move in a two-column index grid, then every row moves once.
void SortGridRows(StringGrid& grid, std::uint16_t L, std::uint16_t R, int K, bool descending);
// Sorts in place by partitioning around the middle row's text, handing ranges of at most five
// rows to BubbleSortRows.
void QuickSortRows(StringGrid& grid, std::uint16_t L, std::uint16_t R, int K, bool descending);
void BubbleSortRows(StringGrid& grid, std::uint16_t L, std::uint16_t R, int K, bool descending);

} // namespace vz
