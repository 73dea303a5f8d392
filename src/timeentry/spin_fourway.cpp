#include "timeentry/spin_fourway.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace vz {

namespace {

constexpr QSize DefaultSize(25, 25);
constexpr int PressedShade = 112; // percent darker than the face

constexpr TSpinState TriangleStates[4] = {TSpinState::Up, TSpinState::Down, TSpinState::Left,
                                          TSpinState::Right};

int triangleIndex(TSpinState state) {
    for (int i = 0; i < 4; ++i)
        if (TriangleStates[i] == state)
            return i;
    return -1;
}

} // namespace

TVzFourWaySpinner::TVzFourWaySpinner(QWidget* parent) : TVzBaseSpinner(parent) {
    resize(DefaultSize);
}

void TVzFourWaySpinner::setForceSquare(bool square) {
    if (square == m_forceSquare)
        return;
    m_forceSquare = square;
    const QSize wanted = adjustedSize(size());
    if (wanted != size())
        resize(wanted);
}

QSize TVzFourWaySpinner::sizeHint() const {
    return DefaultSize;
}

QSize TVzFourWaySpinner::adjustedSize(const QSize& size) const {
    QSize result = TVzBaseSpinner::adjustedSize(size);
    if (m_forceSquare) {
        const int side = std::min(result.width(), result.height());
        result = {side, side};
    }
    return result;
}

TSpinState TVzFourWaySpinner::hitTest(const QPoint& pos) const {
    return fourWayHitTest(width(), height(), pos.x(), pos.y());
}

QRegion TVzFourWaySpinner::stateRegion(TSpinState state) const {
    const int index = triangleIndex(state);
    if (index < 0)
        return {};
    const auto triangle = fourWayTriangles(width(), height())[static_cast<std::size_t>(index)];
    QPolygon polygon;
    for (const auto& p : triangle)
        polygon << QPoint(p.x, p.y);
    // The polygon's own region leaves out its right and bottom pixel edges: pad it by one.
    return QRegion(polygon).united(QRegion(polygon.translated(1, 1)));
}

void TVzFourWaySpinner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    painter.fillRect(rect(), face);

    // A pressed facet is sunken: shaded, its outer edge in shadow and its two inner edges lit.
    const auto triangles = fourWayTriangles(width(), height());
    for (int i = 0; i < 4; ++i) {
        if (!isShownPressed(TriangleStates[i]))
            continue;
        QPolygon facet;
        for (const auto& p : triangles[static_cast<std::size_t>(i)])
            facet << QPoint(p.x, p.y);
        painter.setPen(Qt::NoPen);
        painter.setBrush(face.darker(PressedShade));
        painter.drawPolygon(facet);
        const auto inset = insetTriangle(triangles[static_cast<std::size_t>(i)], 1.0);
        painter.setPen(dark);
        painter.drawLine(QPointF(inset[0].x, inset[0].y), QPointF(inset[1].x, inset[1].y));
        painter.setPen(light);
        painter.drawLine(QPointF(inset[1].x, inset[1].y), QPointF(inset[2].x, inset[2].y));
        painter.drawLine(QPointF(inset[2].x, inset[2].y), QPointF(inset[0].x, inset[0].y));
    }

    // The diagonals that part the facets, etched: shadow with a lit line beside it.
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.setPen(dark);
    painter.drawLine(0, 0, right, bottom);
    painter.drawLine(right, 0, 0, bottom);
    painter.setPen(light);
    painter.drawLine(1, 0, right, bottom - 1);
    painter.drawLine(right - 1, 0, 0, bottom - 1);

    if (ShowArrows())
        for (int i = 0; i < 4; ++i)
            drawArrow(painter, fourWayArrowSpans(width(), height(), TriangleStates[i]),
                      isShownPressed(TriangleStates[i]) ? 1 : 0);

    const QRect outline = rect().adjusted(0, 0, -1, -1);
    painter.setBrush(Qt::NoBrush);
    if (isNewStyle()) {
        drawBevel(painter, outline, false);
    } else {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(outline);
    }
}

} // namespace vz
