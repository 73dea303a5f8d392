#include "store/event_grid.h"

#include <gtest/gtest.h>

#include <string>

namespace vz {
namespace {

EventGrid listOf(int events) {
    EventGrid grid;
    writeHeadings(grid);
    for (int r = 1; r <= events; ++r)
        for (int col = 0; col < EventGridCols; ++col)
            grid.cells.cell(col, r) = "e" + std::to_string(r) + "c" + std::to_string(col);
    return grid;
}

TEST(EventGrid, FindFirstBlankRow) {
    EXPECT_EQ(findFirstBlankRow(listOf(0)), 1);
    EXPECT_EQ(findFirstBlankRow(listOf(3)), 4);
    EXPECT_EQ(findFirstBlankRow(listOf(24)), 25);
    EXPECT_EQ(findFirstBlankRow(listOf(25)), -1);
    // Only the description decides; the heading row never counts.
    EventGrid grid = listOf(2);
    grid.cells.cell(DescriptionCol, 1).clear();
    grid.cells.cell(DescriptionCol, 0).clear();
    EXPECT_EQ(findFirstBlankRow(grid), 1);
}

TEST(EventGrid, DeleteMovesLaterRowsUp) {
    EventGrid full = listOf(25);
    full.row = 1;
    deleteRow(full, 1);
    for (int r = 1; r < 25; ++r)
        for (int col = 0; col < EventGridCols; ++col)
            EXPECT_EQ(full.cells.cell(col, r), listOf(25).cells.cell(col, r + 1));
    for (int col = 0; col < EventGridCols; ++col)
        EXPECT_EQ(full.cells.cell(col, 25), "");
    EXPECT_EQ(full.cells.cell(DescriptionCol, 0), "Description");
    EXPECT_EQ(full.row, 1);

    EventGrid three = listOf(3);
    deleteRow(three, 3);
    EXPECT_EQ(three.cells.cell(DescriptionCol, 2), "e2c0");
    EXPECT_TRUE(three.isBlank(3));
    EXPECT_EQ(findFirstBlankRow(three), 3);

    EventGrid last = listOf(25);
    deleteRow(last, 25);
    EXPECT_EQ(findFirstBlankRow(last), 25);
}

TEST(EventGrid, DeleteOutsideTheEventRowsChangesNothing) {
    for (int r : {-1, 0, 26, 1000}) {
        EventGrid grid = listOf(3);
        deleteRow(grid, r);
        EXPECT_EQ(grid.cells, listOf(3).cells) << r;
    }
}

} // namespace
} // namespace vz
