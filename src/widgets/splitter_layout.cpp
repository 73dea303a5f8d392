#include "widgets/splitter_layout.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vz {

namespace {

bool vertical(const SplitterGeometry& g) {
    return g.orientation == TSplitterOrientation::soVertical;
}

// Rectangles and lines are worked out for a horizontal bar; a vertical bar is the same figure
// with x and y exchanged.
SplitRect turned(const SplitRect& r) {
    return {r.top, r.left, r.height, r.width};
}

SplitterGeometry asHorizontal(const SplitterGeometry& g) {
    SplitterGeometry h = g;
    if (vertical(g)) {
        std::swap(h.clientWidth, h.clientHeight);
        h.orientation = TSplitterOrientation::soHorizontal;
    }
    return h;
}

SplitRect orient(const SplitterGeometry& g, const SplitRect& horizontal) {
    return vertical(g) ? turned(horizontal) : horizontal;
}

} // namespace

int ClampPosition(const SplitterGeometry& g, int value) {
    const int low = g.margin + 2;
    const int high = g.extent() - g.margin - g.splitterSize - 2;
    return std::min(std::max(value, low), high);
}

SplitterPanes PositionSections(const SplitterGeometry& g, int position) {
    const SplitterGeometry h = asHorizontal(g);
    const int m = h.margin, p = position, s = h.splitterSize;
    const int cw = h.clientWidth, ch = h.clientHeight;
    SplitterPanes panes;
    if (h.ctl3D) {
        panes.section1 = {m + 2, m + 2, cw - 2 * m - 3, p - m - 3};
        panes.section2 = {m + 2, p + s + 2, cw - 2 * m - 3, ch - p - s - m - 3};
    } else {
        panes.section1 = {m, m, cw - 2 * m, p - m};
        panes.section2 = {m, p + s, cw - 2 * m, ch - p - s - m};
    }
    panes.section1 = orient(g, panes.section1);
    panes.section2 = orient(g, panes.section2);
    return panes;
}

bool marginFits(const SplitterGeometry& g, int margin) {
    return margin >= 0 && 2 * margin <= g.extent() - g.splitterSize - 2;
}

bool inBarZone(const SplitterGeometry& g, int position, int x, int y) {
    return std::abs(position - g.along(x, y)) <= g.splitterSize;
}

bool dragPositionCounts(const SplitterGeometry& g, int position, int x, int y) {
    const int v = g.along(x, y);
    return v >= g.margin && v <= g.extent() - g.margin && v != position;
}

SplitRect invertedBar(const SplitterGeometry& g, int position) {
    const SplitterGeometry h = asHorizontal(g);
    return orient(g, {h.margin, position, h.clientWidth - 2 * h.margin, h.splitterSize});
}

SplitRect barArea(const SplitterGeometry& g, int position) {
    const SplitterGeometry h = asHorizontal(g);
    return orient(g, {h.margin, position - 2, h.clientWidth - 2 * h.margin, h.splitterSize + 4});
}

SplitRect barRect(const SplitterGeometry& g, int position) {
    return invertedBar(g, position);
}

std::vector<FrameLine> frameLines(const SplitterGeometry& g, int position) {
    const SplitterGeometry h = asHorizontal(g);
    const int m = h.margin, p = position, s = h.splitterSize;
    const int cw = h.clientWidth, ch = h.clientHeight;
    using C = FrameColour;
    std::vector<FrameLine> lines = {
        // Light along the bottom and right edges of each pane.
        {C::Highlight, m, p - 1, cw - m - 1, p - 1},
        {C::Highlight, cw - m - 1, p - 1, cw - m - 1, m - 1},
        {C::Highlight, m, ch - m - 1, cw - m - 1, ch - m - 1},
        {C::Highlight, cw - m - 1, ch - m - 1, cw - m - 1, p + s - 1},
        // Shadow along the top and left edges.
        {C::Shadow, m, p - 2, m, m},
        {C::Shadow, m, m, cw - m - 1, m},
        {C::Shadow, m, ch - m - 2, m, p + s},
        {C::Shadow, m, p + s, cw - m - 1, p + s},
        // Black, one pixel further in.
        {C::Black, m + 1, p - 2, m + 1, m + 1},
        {C::Black, m + 1, m + 1, cw - m - 1, m + 1},
        {C::Black, m + 1, ch - m - 2, m + 1, p + s + 1},
        {C::Black, m + 1, p + s + 1, cw - m - 1, p + s + 1},
    };
    if (vertical(g))
        for (FrameLine& l : lines) {
            std::swap(l.x1, l.y1);
            std::swap(l.x2, l.y2);
        }
    return lines;
}

SplitRect lineRect(const FrameLine& line) {
    // The end point is excluded, so a line toward smaller coordinates starts one past its end.
    auto span = [](int from, int to) {
        return to >= from ? std::pair{from, to - from} : std::pair{to + 1, from - to};
    };
    if (line.y1 == line.y2) {
        const auto [left, width] = span(line.x1, line.x2);
        return {left, line.y1, width, width > 0 ? 1 : 0};
    }
    const auto [top, height] = span(line.y1, line.y2);
    return {line.x1, top, line.x1 == line.x2 ? 1 : 0, height};
}

} // namespace vz
