// The splitter's geometry: clamping the bar, laying out the two panes, the 3-D frame's lines,
// the bar zone under the pointer and the rectangles a drag draws.
//
//     vz::SplitterGeometry g{568, 380, 0, 3, vz::TSplitterOrientation::soHorizontal, true};
//     int p = vz::ClampPosition(g, 400);          // 375
//     vz::SplitterPanes panes = vz::PositionSections(g, 200);  // (2,2,565,197) and (2,205,565,174)
#pragma once

#include <array>
#include <vector>

namespace vz {

enum class TSplitterOrientation { soVertical, soHorizontal };

struct SplitRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const SplitRect&) const = default;
};

struct SplitterGeometry {
    int clientWidth = 200;
    int clientHeight = 100;
    int margin = 0;
    int splitterSize = 3;
    TSplitterOrientation orientation = TSplitterOrientation::soVertical;
    bool ctl3D = true;

    // The client extent along the axis the bar moves on.
    int extent() const {
        return orientation == TSplitterOrientation::soVertical ? clientWidth : clientHeight;
    }
    // The coordinate along that axis of a point.
    int along(int x, int y) const {
        return orientation == TSplitterOrientation::soVertical ? x : y;
    }
};

int ClampPosition(const SplitterGeometry& g, int value);

struct SplitterPanes {
    SplitRect section1;
    SplitRect section2;
};
SplitterPanes PositionSections(const SplitterGeometry& g, int position);

// Whether a margin may be set: twice it must fit the extent less the bar and 2.
bool marginFits(const SplitterGeometry& g, int margin);

// The pointer is in the bar zone from S pixels before the bar to one pixel past it.
bool inBarZone(const SplitterGeometry& g, int position, int x, int y);

// Drag positions below the margin, beyond the extent less the margin, or at the bar are ignored.
bool dragPositionCounts(const SplitterGeometry& g, int position, int x, int y);

// The inverted bar drawn while dragging without AutoUpdate.
SplitRect invertedBar(const SplitterGeometry& g, int position);
// The area repainted around the bar while dragging with AutoUpdate.
SplitRect barArea(const SplitterGeometry& g, int position);
// The bar itself.
SplitRect barRect(const SplitterGeometry& g, int position);

enum class FrameColour { Highlight, Shadow, Black };
struct FrameLine {
    FrameColour colour;
    int x1, y1, x2, y2; // from (x1, y1) to (x2, y2), the end point excluded
};
// The sunken frames of the 3-D style, as polylines broken into segments.
std::vector<FrameLine> frameLines(const SplitterGeometry& g, int position);
// The pixels a frame line covers, as a rectangle one pixel thick; empty for a line of no length.
// Filling it rather than stroking the line keeps the frame on whole pixels at any scale.
SplitRect lineRect(const FrameLine& line);

} // namespace vz
