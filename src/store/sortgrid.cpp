#include "store/sortgrid.h"

#include "store/integer_text.h"

#include <algorithm>
#include <optional>
#include <string>

namespace vz {

namespace {

unsigned char sortKeyByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'a' && u <= 'z' ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

struct Range {
    int L;
    int R;
};

// The range limited to rows that exist below the heading, or nothing when the key column is
// missing.
std::optional<Range> validRange(const StringGrid& grid, int L, int R, int K) {
    if (K < 0 || K >= grid.colCount())
        return std::nullopt;
    return Range{std::max(L, 1), std::min(R, grid.rowCount() - 1)};
}

// Whether `a` belongs before `b` in the sort direction (strictly).
bool before(std::string_view a, std::string_view b, bool descending) {
    const int c = compareSortKeys(a, b);
    return descending ? c > 0 : c < 0;
}

void bubble(StringGrid& grid, int L, int R, int K, bool descending) {
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int k = L; k < R; ++k) {
            if (before(grid.cell(K, k + 1), grid.cell(K, k), descending)) {
                grid.swapRows(k, k + 1);
                exchanged = true;
            }
        }
    }
}

void quick(StringGrid& grid, int L, int R, int K, bool descending) {
    // The two parts of a partition are disjoint, so sorting the smaller one first and looping on
    // the larger gives the same rows as sorting (L, j) then (i, R), with a recursion depth that
    // stays logarithmic even for a grid of 65535 rows in the worst order.
    for (;;) {
        if (R - L < 5) {
            bubble(grid, L, R, K, descending);
            return;
        }
        // The pivot is the text itself, not a row: the swaps below may move its row away.
        const std::string pivot = grid.cell(K, (L + R) / 2);
        int i = L;
        int j = R;
        while (i <= j) {
            while (before(grid.cell(K, i), pivot, descending))
                ++i;
            while (before(pivot, grid.cell(K, j), descending))
                --j;
            if (i <= j) {
                grid.swapRows(i, j);
                ++i;
                --j;
            }
        }
        if (j - L < R - i) {
            quick(grid, L, j, K, descending);
            L = i;
        } else {
            quick(grid, i, R, K, descending);
            R = j;
        }
    }
}

} // namespace

int compareSortKeys(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t k = 0; k < n; ++k) {
        const unsigned char x = sortKeyByte(a[k]);
        const unsigned char y = sortKeyByte(b[k]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

void BubbleSortRows(StringGrid& grid, std::uint16_t L, std::uint16_t R, int K, bool descending) {
    if (const auto range = validRange(grid, L, R, K))
        bubble(grid, range->L, range->R, K, descending);
}

void QuickSortRows(StringGrid& grid, std::uint16_t L, std::uint16_t R, int K, bool descending) {
    if (const auto range = validRange(grid, L, R, K))
        quick(grid, range->L, range->R, K, descending);
}

void SortGridRows(StringGrid& grid, std::uint16_t L, std::uint16_t R, int K, bool descending) {
    const auto range = validRange(grid, L, R, K);
    if (!range)
        return;
    constexpr int StartRowCol = 0;
    constexpr int KeyCol = 1;
    StringGrid index(2, grid.rowCount());
    for (int r = range->L; r <= range->R; ++r) {
        index.cell(StartRowCol, r) = std::to_string(r);
        index.cell(KeyCol, r) = grid.cell(K, r);
    }
    quick(index, range->L, range->R, KeyCol, descending);

    StringGrid copy(grid.colCount(), grid.rowCount());
    for (int r = range->L; r <= range->R; ++r) {
        const int from = integerTextOr(index.cell(StartRowCol, r), 0);
        copy.copyRow(grid, std::clamp(from, 0, grid.rowCount() - 1), r);
    }
    for (int r = range->L; r <= range->R; ++r)
        grid.copyRow(copy, r, r);
}

} // namespace vz
