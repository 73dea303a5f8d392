#include "timeentry/spinner.h"

#include <QPainter>

namespace vz {

namespace {

constexpr QSize DefaultSize(16, 25);

QRect toQRect(const SpinRect& r) {
    return {r.left, r.top, r.width, r.height};
}

} // namespace

TVzSpinner::TVzSpinner(QWidget* parent) : TVzBaseSpinner(parent) {
    resize(DefaultSize);
}

void TVzSpinner::setOrientation(TSpinOrientation orientation) {
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    update();
}

QSize TVzSpinner::sizeHint() const {
    return DefaultSize;
}

TSpinState TVzSpinner::hitTest(const QPoint& pos) const {
    return twoWayHitTest(m_orientation, width(), height(), pos.x(), pos.y());
}

QRegion TVzSpinner::stateRegion(TSpinState state) const {
    const auto halves = twoWayHalves(m_orientation, width(), height());
    switch (state) {
    case TSpinState::Up:
    case TSpinState::Left:
        return toQRect(halves[0]);
    case TSpinState::Down:
    case TSpinState::Right:
        return toQRect(halves[1]);
    default:
        return {};
    }
}

void TVzSpinner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto halves = twoWayHalves(m_orientation, width(), height());
    const bool vertical = m_orientation == TSpinOrientation::soVertical;
    const TSpinState arrows[2] = {vertical ? TSpinState::Up : TSpinState::Left,
                                  vertical ? TSpinState::Down : TSpinState::Right};
    const QColor face = palette().color(QPalette::Button);
    for (int i = 0; i < 2; ++i) {
        QRect half = toQRect(halves[i]);
        const bool pressed = isShownPressed(arrows[i]);
        if (!isNewStyle()) {
            // The old look: a black frame around each half, the bevel inside it.
            painter.setPen(palette().color(QPalette::Shadow));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(half.adjusted(0, 0, -1, -1));
            half.adjust(1, 1, -1, -1);
        }
        painter.fillRect(half, face);
        drawBevel(painter, half, pressed);
        if (ShowArrows())
            drawArrow(painter, halfArrowSpans(halves[i], arrows[i]), pressed ? 1 : 0);
    }
}

} // namespace vz
