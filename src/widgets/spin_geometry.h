// The geometry of the spin buttons: which arrow a point is on, where the arrow glyphs lie, and
// where a spin button goes beside the control it is attached to (and back, for two-way
// attachment). Coordinates are client pixels; rectangles are left, top, width, height.
//
//     vz::twoWayHitTest(vz::TSpinOrientation::soVertical, 15, 25, 7, 20) // TSpinState::Down
//     vz::placeBeside(vz::TPosition::scRight, {104, 96, 130, 25}, {0, 0, 25, 25}, 1)
//                                                                      // {235, 96, 25, 25}
#pragma once

#include "widgets/spin_repeat.h"

#include <array>
#include <vector>

namespace vz {

enum class TSpinOrientation { soVertical, soHorizontal };
enum class TPosition { scRight, scLeft, scTop, scBottom };

struct SpinRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const SpinRect&) const = default;
};

struct SpinPoint {
    int x = 0;
    int y = 0;
    bool operator==(const SpinPoint&) const = default;
};

// One run of pixels of an arrow glyph, from (x1, y1) to (x2, y2) inclusive; horizontal or
// vertical.
struct SpinSpan {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const SpinSpan&) const = default;
};

// The two halves of a two-way spin button: up then down (vertical), left then right
// (horizontal). An odd size gives the extra pixel row to the first half.
std::array<SpinRect, 2> twoWayHalves(TSpinOrientation orientation, int width, int height);

// Up or down (vertical), left or right (horizontal), by the halves above; Outside off the control.
TSpinState twoWayHitTest(TSpinOrientation orientation, int width, int height, int x, int y);

// The four triangles of a four-way spin button, cut along the diagonals and meeting at
// (width / 2, height / 2): up, down, left, right.
std::array<std::array<SpinPoint, 3>, 4> fourWayTriangles(int width, int height);
// The triangle a point is on, tested up, down, left, right; Normal for none; Outside off it.
TSpinState fourWayHitTest(int width, int height, int x, int y);

// A filled arrow glyph with base `base` (made odd) and height (base + 1) / 2, centred on
// (centreX, centreY), pointing in `direction` (an arrow state), as pixel runs.
std::vector<SpinSpan> arrowSpans(int centreX, int centreY, int base, TSpinState direction);
// The arrow of one half of a two-way spin button: base half the half's smaller side, made odd.
std::vector<SpinSpan> halfArrowSpans(const SpinRect& half, TSpinState direction);
// The outward arrow of one triangle of a four-way spin button.
std::vector<SpinSpan> fourWayArrowSpans(int width, int height, TSpinState direction);

// A triangle moved `distance` pixels inwards from each of its edges (towards its incentre), for
// drawing a bevel inside it that does not touch its neighbours. Degenerate triangles collapse
// to their incentre.
struct SpinPointF {
    double x = 0;
    double y = 0;
};
std::array<SpinPointF, 3> insetTriangle(const std::array<SpinPoint, 3>& triangle, double distance);

// Where a spin button of size `own` goes beside `control`, `separation` pixels apart.
SpinRect placeBeside(TPosition position, const SpinRect& control, const SpinRect& own,
                     int separation);
// Where the attached control goes when the spin button moves to `own` (two-way attachment).
SpinRect placeControlBeside(TPosition position, const SpinRect& own, const SpinRect& control,
                            int separation);

} // namespace vz
