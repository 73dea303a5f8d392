#include "widgets/spin_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vz {

std::array<SpinRect, 2> twoWayHalves(TSpinOrientation orientation, int width, int height) {
    if (orientation == TSpinOrientation::soVertical) {
        const int first = (height + 1) / 2;
        return {SpinRect{0, 0, width, first}, SpinRect{0, first, width, height - first}};
    }
    const int first = (width + 1) / 2;
    return {SpinRect{0, 0, first, height}, SpinRect{first, 0, width - first, height}};
}

TSpinState twoWayHitTest(TSpinOrientation orientation, int width, int height, int x, int y) {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return TSpinState::Outside;
    if (orientation == TSpinOrientation::soVertical)
        return y >= (height + 1) / 2 ? TSpinState::Down : TSpinState::Up;
    return x >= (width + 1) / 2 ? TSpinState::Right : TSpinState::Left;
}

std::array<std::array<SpinPoint, 3>, 4> fourWayTriangles(int width, int height) {
    const SpinPoint centre{width / 2, height / 2};
    return {{{SpinPoint{0, 0}, SpinPoint{width, 0}, centre},
             {SpinPoint{0, height}, SpinPoint{width, height}, centre},
             {SpinPoint{0, 0}, SpinPoint{0, height}, centre},
             {SpinPoint{width, 0}, SpinPoint{width, height}, centre}}};
}

namespace {

// Pixel centres against doubled vertices, so a pixel on a diagonal belongs to the first
// triangle tested rather than depending on rounding.
bool containsPixel(const std::array<SpinPoint, 3>& t, int x, int y) {
    const std::int64_t px = 2 * std::int64_t{x} + 1;
    const std::int64_t py = 2 * std::int64_t{y} + 1;
    auto cross = [&](const SpinPoint& a, const SpinPoint& b) {
        return (2 * std::int64_t{b.x} - 2 * a.x) * (py - 2 * std::int64_t{a.y}) -
               (2 * std::int64_t{b.y} - 2 * a.y) * (px - 2 * std::int64_t{a.x});
    };
    const std::int64_t d1 = cross(t[0], t[1]);
    const std::int64_t d2 = cross(t[1], t[2]);
    const std::int64_t d3 = cross(t[2], t[0]);
    const bool hasNegative = d1 < 0 || d2 < 0 || d3 < 0;
    const bool hasPositive = d1 > 0 || d2 > 0 || d3 > 0;
    return !(hasNegative && hasPositive);
}

} // namespace

TSpinState fourWayHitTest(int width, int height, int x, int y) {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return TSpinState::Outside;
    static constexpr std::array<TSpinState, 4> Order{TSpinState::Up, TSpinState::Down,
                                                     TSpinState::Left, TSpinState::Right};
    const auto triangles = fourWayTriangles(width, height);
    for (std::size_t i = 0; i < triangles.size(); ++i)
        if (containsPixel(triangles[i], x, y))
            return Order[i];
    return TSpinState::Normal;
}

std::vector<SpinSpan> arrowSpans(int centreX, int centreY, int base, TSpinState direction) {
    std::vector<SpinSpan> spans;
    if (base < 1 || !isArrow(direction))
        return spans;
    base |= 1;
    const int rows = (base + 1) / 2;
    spans.reserve(static_cast<std::size_t>(rows));
    const int first = (direction == TSpinState::Up || direction == TSpinState::Down)
                          ? centreY - rows / 2
                          : centreX - rows / 2;
    for (int i = 0; i < rows; ++i) {
        const int at = first + i;
        switch (direction) {
        case TSpinState::Up:
            spans.push_back({centreX - i, at, centreX + i, at});
            break;
        case TSpinState::Down:
            spans.push_back({centreX - (rows - 1 - i), at, centreX + (rows - 1 - i), at});
            break;
        case TSpinState::Left:
            spans.push_back({at, centreY - i, at, centreY + i});
            break;
        default:
            spans.push_back({at, centreY - (rows - 1 - i), at, centreY + (rows - 1 - i)});
            break;
        }
    }
    return spans;
}

std::vector<SpinSpan> halfArrowSpans(const SpinRect& half, TSpinState direction) {
    const int base = std::min(half.width, half.height) / 2;
    return arrowSpans(half.left + half.width / 2, half.top + half.height / 2, base, direction);
}

std::vector<SpinSpan> fourWayArrowSpans(int width, int height, TSpinState direction) {
    // Each arrow sits two fifths of the way from the middle of its outer edge to the centre,
    // where its facet is wide enough to leave a margin on both sides.
    const int cx = width / 2;
    const int cy = height / 2;
    const int base = std::min(width, height) / 5;
    switch (direction) {
    case TSpinState::Up:
        return arrowSpans(cx, cy * 2 / 5, base, direction);
    case TSpinState::Down:
        return arrowSpans(cx, height - 1 - cy * 2 / 5, base, direction);
    case TSpinState::Left:
        return arrowSpans(cx * 2 / 5, cy, base, direction);
    case TSpinState::Right:
        return arrowSpans(width - 1 - cx * 2 / 5, cy, base, direction);
    default:
        return {};
    }
}

std::array<SpinPointF, 3> insetTriangle(const std::array<SpinPoint, 3>& t, double distance) {
    auto length = [](const SpinPoint& a, const SpinPoint& b) {
        return std::hypot(double(b.x - a.x), double(b.y - a.y));
    };
    // Side lengths opposite each vertex weigh the incentre.
    const double a = length(t[1], t[2]);
    const double b = length(t[2], t[0]);
    const double c = length(t[0], t[1]);
    const double perimeter = a + b + c;
    std::array<SpinPointF, 3> result{};
    if (perimeter <= 0)
        return result;
    const SpinPointF centre{(a * t[0].x + b * t[1].x + c * t[2].x) / perimeter,
                            (a * t[0].y + b * t[1].y + c * t[2].y) / perimeter};
    const double area = std::abs(double(t[1].x - t[0].x) * (t[2].y - t[0].y) -
                                 double(t[2].x - t[0].x) * (t[1].y - t[0].y)) /
                        2;
    const double inradius = 2 * area / perimeter;
    const double scale = inradius > distance ? (inradius - distance) / inradius : 0;
    for (std::size_t i = 0; i < 3; ++i)
        result[i] = {centre.x + (t[i].x - centre.x) * scale,
                     centre.y + (t[i].y - centre.y) * scale};
    return result;
}

SpinRect placeBeside(TPosition position, const SpinRect& control, const SpinRect& own,
                     int separation) {
    switch (position) {
    case TPosition::scRight:
        return {control.left + control.width + separation, control.top, own.width, control.height};
    case TPosition::scLeft:
        return {control.left - own.width - separation, control.top, own.width, control.height};
    case TPosition::scTop:
        return {control.left, control.top - own.height - separation, control.width, own.height};
    case TPosition::scBottom:
        return {control.left, control.top + control.height + separation, control.width, own.height};
    }
    return own;
}

SpinRect placeControlBeside(TPosition position, const SpinRect& own, const SpinRect& control,
                            int separation) {
    switch (position) {
    case TPosition::scRight:
        return {own.left - separation - control.width, own.top, control.width, own.height};
    case TPosition::scLeft:
        return {own.left + own.width + separation, own.top, control.width, own.height};
    case TPosition::scTop:
        return {own.left, own.top + own.height + separation, own.width, control.height};
    case TPosition::scBottom:
        return {own.left, own.top - separation - control.height, own.width, control.height};
    }
    return control;
}

} // namespace vz
