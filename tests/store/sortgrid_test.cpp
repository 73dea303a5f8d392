#include "store/sortgrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace vz {
namespace {

// A grid with a heading row, the given keys in column 0 from row 1 on, each row's starting
// number in column 1, and `spare` further rows marked as untouchable.
StringGrid gridOf(const std::vector<std::string>& keys, int spare = 0) {
    StringGrid grid(3, static_cast<int>(keys.size()) + 1 + spare);
    grid.cell(0, 0) = "Description";
    for (int r = 1; r < grid.rowCount(); ++r) {
        const bool isKey = r <= static_cast<int>(keys.size());
        grid.cell(0, r) = isKey ? keys[static_cast<std::size_t>(r - 1)] : "spare";
        grid.cell(1, r) = std::to_string(r);
        grid.cell(2, r) = "other " + std::to_string(r);
    }
    return grid;
}

std::vector<std::string> column(const StringGrid& grid, int col, int from, int to) {
    std::vector<std::string> values;
    for (int r = from; r <= to; ++r)
        values.push_back(grid.cell(col, r));
    return values;
}

using Rows = std::vector<std::string>;

TEST(SortGridRows, OrdersByFoldedAsciiBytes) {
    struct Case {
        Rows keys;
        Rows expected;
    } cases[] = {
        {{"cherry", "apple", "Banana"}, {"apple", "Banana", "cherry"}},
        {{"Banana", "cherry", "apple"}, {"apple", "Banana", "cherry"}},
        {{"\xC3\x89mile", "zebra", "Apple"}, {"Apple", "zebra", "\xC3\x89mile"}},
        {{"b", "", "a"}, {"", "a", "b"}},
        {{"ab", "a", "abc", "A"}, {"a", "A", "ab", "abc"}},
        {{"only"}, {"only"}},
        {{"_x", "Zed", "zed", "[y"}, {"Zed", "zed", "[y", "_x"}},
        {{"m", "k", "z", "a", "q", "b", "y", "c", "x", "d", "w", "e"},
         {"a", "b", "c", "d", "e", "k", "m", "q", "w", "x", "y", "z"}},
    };
    for (const auto& c : cases) {
        StringGrid grid = gridOf(c.keys);
        SortGridRows(grid, 1, static_cast<std::uint16_t>(c.keys.size()), 0, false);
        EXPECT_EQ(column(grid, 0, 1, static_cast<int>(c.keys.size())), c.expected);

        StringGrid descending = gridOf(c.keys);
        SortGridRows(descending, 1, static_cast<std::uint16_t>(c.keys.size()), 0, true);
        Rows reversed = c.expected;
        std::reverse(reversed.begin(), reversed.end());
        // Equal keys ("a" and "A") keep their order in short ranges, so only compare keys.
        for (std::size_t i = 0; i < reversed.size(); ++i)
            EXPECT_EQ(compareSortKeys(descending.cell(0, static_cast<int>(i) + 1), reversed[i]), 0);
    }
}

TEST(SortGridRows, MovesWholeRowsAndNothingOutsideTheRange) {
    StringGrid grid = gridOf({"z", "d", "c", "b", "a", "y"}, 2);
    const StringGrid before = grid;
    SortGridRows(grid, 2, 5, 0, false);
    EXPECT_EQ(column(grid, 0, 0, 8),
              (Rows{"Description", "z", "a", "b", "c", "d", "y", "spare", "spare"}));
    for (int r = 0; r < grid.rowCount(); ++r) {
        const int from = std::stoi(grid.cell(1, r).empty() ? "0" : grid.cell(1, r));
        EXPECT_EQ(grid.cell(2, r), before.cell(2, from)) << r;
    }
    EXPECT_EQ(grid.cell(1, 0), "");
}

TEST(SortGridRows, BadRangesTouchOnlyRowsThatExist) {
    StringGrid grid = gridOf({"b", "a"});
    SortGridRows(grid, 0, 60000, 0, false); // the heading row and missing rows are left out
    EXPECT_EQ(column(grid, 0, 0, 2), (Rows{"Description", "a", "b"}));
    SortGridRows(grid, 2, 1, 0, false);
    SortGridRows(grid, 1, 2, 7, false);
    QuickSortRows(grid, 1, 60000, 0, true);
    BubbleSortRows(grid, 0, 60000, 0, false);
    EXPECT_EQ(column(grid, 0, 0, 2), (Rows{"Description", "a", "b"}));
}

TEST(SortGridRows, EqualKeysKeepTheirOrderInRangesOfUpToFiveRows) {
    for (int n = 2; n <= 5; ++n) {
        Rows keys = {"same", "SAME", "Same", "sAme", "saMe"};
        keys.resize(static_cast<std::size_t>(n));
        StringGrid grid = gridOf(keys);
        SortGridRows(grid, 1, static_cast<std::uint16_t>(n), 0, false);
        EXPECT_EQ(column(grid, 0, 1, n), keys) << n;
    }
}

TEST(SortGridRows, PartitioningMayReorderEqualKeysInLongerRanges) {
    // Six rows are partitioned around "B" (row 3): the "b" of row 2 is swapped with the "a" of
    // row 4 and so passes the "B", which stays in row 3.
    StringGrid grid = gridOf({"c", "b", "B", "a", "d", "a"});
    SortGridRows(grid, 1, 6, 0, false);
    EXPECT_EQ(column(grid, 0, 1, 6), (Rows{"a", "a", "B", "b", "c", "d"}));
}

TEST(QuickSortRows, SortsAnyOrderOfAnySize) {
    std::mt19937 rng(7);
    for (int size : {7, 30, 200, 3000}) {
        Rows keys;
        for (int i = 0; i < size; ++i)
            keys.push_back(std::string(1 + rng() % 3, static_cast<char>("aAbBcC\xC3"[rng() % 7])));
        StringGrid grid = gridOf(keys);
        SortGridRows(grid, 1, static_cast<std::uint16_t>(size), 0, false);
        Rows sorted = column(grid, 0, 1, size);
        EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
            return compareSortKeys(a, b) < 0;
        })) << size;
        // Every row is still there exactly once.
        Rows starts = column(grid, 1, 1, size);
        std::sort(starts.begin(), starts.end());
        Rows expected = column(gridOf(keys), 1, 1, size);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(starts, expected);
    }
}

TEST(QuickSortRows, SortsTheLargestGridRowNumbersCanName) {
    StringGrid grid(1, 65536);
    for (int r = 1; r < grid.rowCount(); ++r)
        grid.cell(0, r) = std::to_string((r * 7919) % 65536 + 100000);
    QuickSortRows(grid, 1, 65535, 0, false);
    EXPECT_EQ(grid.cell(0, 1), "100001");
    EXPECT_EQ(grid.cell(0, 65535), "165535");
    EXPECT_EQ(grid.cell(0, 0), "");
}

} // namespace
} // namespace vz
