#include "widgets/splitter_layout.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

const SplitterGeometry MainWindow{568, 380, 0, 3, TSplitterOrientation::soHorizontal, true};

TEST(SplitterLayout, ClampsToTheLimits) {
    EXPECT_EQ(ClampPosition(MainWindow, 200), 200);
    EXPECT_EQ(ClampPosition(MainWindow, 400), 375);
    EXPECT_EQ(ClampPosition(MainWindow, 376), 375);
    EXPECT_EQ(ClampPosition(MainWindow, 1), 2);
    SplitterGeometry margined = MainWindow;
    margined.margin = 10;
    EXPECT_EQ(ClampPosition(margined, 0), 12);
    EXPECT_EQ(ClampPosition(margined, 1000), 380 - 10 - 3 - 2);
    // Too small for both limits: the upper one wins.
    SplitterGeometry tiny = MainWindow;
    tiny.clientHeight = 5;
    EXPECT_EQ(ClampPosition(tiny, 3), 0);
}

TEST(SplitterLayout, PanesInBothStyles) {
    const SplitterPanes panes = PositionSections(MainWindow, 200);
    EXPECT_EQ(panes.section1, (SplitRect{2, 2, 565, 197}));
    EXPECT_EQ(panes.section2, (SplitRect{2, 205, 565, 174}));

    SplitterGeometry flat = MainWindow;
    flat.ctl3D = false;
    flat.margin = 4;
    const SplitterPanes f = PositionSections(flat, 100);
    EXPECT_EQ(f.section1, (SplitRect{4, 4, 560, 96}));
    EXPECT_EQ(f.section2, (SplitRect{4, 103, 560, 273}));

    SplitterGeometry vertical{300, 200, 0, 3, TSplitterOrientation::soVertical, true};
    const SplitterPanes v = PositionSections(vertical, 100);
    EXPECT_EQ(v.section1, (SplitRect{2, 2, 97, 197}));
    EXPECT_EQ(v.section2, (SplitRect{105, 2, 194, 197}));
}

TEST(SplitterLayout, BarZoneAndDragPositions) {
    EXPECT_TRUE(inBarZone(MainWindow, 200, 50, 197));
    EXPECT_TRUE(inBarZone(MainWindow, 200, 50, 203));
    EXPECT_FALSE(inBarZone(MainWindow, 200, 50, 196));
    EXPECT_FALSE(inBarZone(MainWindow, 200, 50, 204));
    EXPECT_FALSE(dragPositionCounts(MainWindow, 200, 50, 200));
    EXPECT_FALSE(dragPositionCounts(MainWindow, 200, 50, -1));
    EXPECT_FALSE(dragPositionCounts(MainWindow, 200, 50, 381));
    EXPECT_TRUE(dragPositionCounts(MainWindow, 200, 50, 380));
    EXPECT_EQ(invertedBar(MainWindow, 120), (SplitRect{0, 120, 568, 3}));
    EXPECT_EQ(barArea(MainWindow, 120), (SplitRect{0, 118, 568, 7}));
    EXPECT_TRUE(marginFits(MainWindow, 187));
    EXPECT_FALSE(marginFits(MainWindow, 188));
}

TEST(SplitterLayout, FrameLinesTurnWithTheBar) {
    SplitterGeometry vertical{300, 200, 0, 3, TSplitterOrientation::soVertical, true};
    const auto horizontal = frameLines(MainWindow, 200);
    const auto turned = frameLines(vertical, 100);
    ASSERT_EQ(horizontal.size(), turned.size());
    EXPECT_EQ(horizontal.front().y1, 199); // highlight under pane 1
    EXPECT_EQ(turned.front().x1, 99);      // highlight right of pane 1
}

TEST(SplitterLayout, FrameLinesCoverTheirPixelsWithoutTheEndPoint) {
    using C = FrameColour;
    // Right, left, down, up, and a line of no length.
    EXPECT_EQ(lineRect({C::Black, 2, 5, 6, 5}), (SplitRect{2, 5, 4, 1}));
    EXPECT_EQ(lineRect({C::Black, 6, 5, 2, 5}), (SplitRect{3, 5, 4, 1}));
    EXPECT_EQ(lineRect({C::Black, 4, 1, 4, 9}), (SplitRect{4, 1, 1, 8}));
    EXPECT_EQ(lineRect({C::Black, 4, 9, 4, 1}), (SplitRect{4, 2, 1, 8}));
    const SplitRect none = lineRect({C::Black, 4, 4, 4, 4});
    EXPECT_EQ(none.width * none.height, 0);

    // The main window's frames meet the panes: nothing between the black line and pane 1.
    const auto lines = frameLines(MainWindow, 200);
    const SplitRect pane1 = PositionSections(MainWindow, 200).section1;
    int blackBottom = -1;
    for (const FrameLine& line : lines) {
        const SplitRect r = lineRect(line);
        if (line.colour == C::Black && r.height == 1 && r.top < 200)
            blackBottom = r.top + r.height;
    }
    EXPECT_EQ(blackBottom, pane1.top);
}

} // namespace
} // namespace vz
