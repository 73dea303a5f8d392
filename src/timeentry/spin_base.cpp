#include "timeentry/spin_base.h"

#include "platform/messages.h"
#include "timeentry/controller.h"
#include "timeentry/entry_field.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace vz {

namespace {

// The repeat loop's pass: how often a held button looks at the clock. Steps that are due come
// no faster than this.
constexpr int RepeatPassMs = 10;

QRect toQRect(const SpinRect& r) {
    return {r.left, r.top, r.width, r.height};
}
SpinRect toSpinRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

} // namespace

TVzBaseSpinner::TVzBaseSpinner(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    m_elapsed.start();
}

TVzBaseSpinner::~TVzBaseSpinner() = default;

void TVzBaseSpinner::setAcceleration(int acceleration) {
    m_repeat.setAcceleration(std::clamp(acceleration, 0, 255));
}

void TVzBaseSpinner::setAttachedControl(QWidget* control) {
    if (control == m_attached)
        return;
    m_attached = control;
    if (control && !m_focused)
        m_focused = control;
    placeBesideAttached();
}

void TVzBaseSpinner::setForceOddSize(bool odd) {
    if (odd == m_forceOddSize)
        return;
    m_forceOddSize = odd;
    const QSize wanted = adjustedSize(size());
    if (wanted != size())
        resize(wanted);
}

void TVzBaseSpinner::setPosition(TPosition position) {
    if (position == m_position)
        return;
    m_position = position;
    placeBesideAttached();
}

void TVzBaseSpinner::setSeparation(int separation) {
    if (separation == m_separation)
        return;
    m_separation = separation;
    placeBesideAttached();
}

void TVzBaseSpinner::setStyle(TButtonStyle style) {
    if (style == m_style)
        return;
    m_style = style;
    update();
}

void TVzBaseSpinner::setShowArrows(bool show) {
    if (show == m_showArrows)
        return;
    m_showArrows = show;
    update();
}

TVzController* TVzBaseSpinner::Controller() const {
    return findController(this);
}

void TVzBaseSpinner::setClock(std::function<qint64()> clock) {
    m_clock = std::move(clock);
}

qint64 TVzBaseSpinner::nowMs() const {
    return m_clock ? m_clock() : m_elapsed.elapsed();
}

QSize TVzBaseSpinner::adjustedSize(const QSize& size) const {
    if (!m_forceOddSize)
        return size;
    auto odd = [](int v) {
        return v > 1 && v % 2 == 0 ? v - 1 : v;
    };
    return {odd(size.width()), odd(size.height())};
}

void TVzBaseSpinner::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    guarded([&] { beginPress(pos); });
}

void TVzBaseSpinner::beginPress(const QPoint& pos) {
    m_releaseSeen = false;
    QPointer<TVzBaseSpinner> self(this);
    QPointer<QWidget> focused(m_focused);
    if (focused && !focused->hasFocus()) {
        // Taking the focus first lets a field that refuses to be left take it back before any
        // step happens.
        m_settingUp = true;
        setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        if (!self)
            return;
        m_settingUp = false;
        if (!hasFocus())
            return;
        if (canTakeFocus(focused))
            focused->setFocus(Qt::MouseFocusReason);
    }
    const TSpinState previous = m_repeat.state();
    m_repeat.press(hitTest(pos), nowMs());
    redrawState(previous, m_repeat.state());
    m_passTimer.start(RepeatPassMs, this);
    attemptStep();
    if (self && m_releaseSeen)
        endPress();
}

void TVzBaseSpinner::attemptStep() {
    if (!m_repeat.attempt(nowMs()))
        return;
    try {
        step(m_repeat.state());
    } catch (...) {
        endPress();
        throw;
    }
}

QRect TVzBaseSpinner::arrowRect(TSpinState state) const {
    // A two-way button answers for both pairs of arrows with the same halves; only the pair
    // that a click there steps is its own.
    const QRect r = stateRegion(state).boundingRect();
    return !r.isEmpty() && hitTest(r.center()) == state ? r : QRect();
}

void TVzBaseSpinner::stepOnce(TSpinState state) {
    if (!isEnabled() || !isArrow(state))
        return;
    QWidget* focused = m_focused.data();
    if (focused && !focused->hasFocus() && canTakeFocus(focused))
        focused->setFocus(Qt::OtherFocusReason);
    guarded([&] { step(state); });
}

void TVzBaseSpinner::step(TSpinState state) {
    QPointer<TVzBaseSpinner> self(this);
    emit OnClick(this, state, m_delta, m_wrapMode);
    if (!self)
        return;
    auto* field = qobject_cast<TVzBaseEntryField*>(m_focused.data());
    if (!field)
        return;
    switch (state) {
    case TSpinState::Up:
        field->StepUp(m_wrapMode, m_delta);
        break;
    case TSpinState::Down:
        field->StepDown(m_wrapMode, m_delta);
        break;
    case TSpinState::Left:
        field->MoveCaret(-1);
        break;
    case TSpinState::Right:
        field->MoveCaret(1);
        break;
    default:
        break;
    }
}

void TVzBaseSpinner::mouseMoveEvent(QMouseEvent* event) {
    if (!m_repeat.pressed()) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const TSpinState previous = m_repeat.state();
    if (m_repeat.moveTo(hitTest(event->position().toPoint())))
        redrawState(previous, m_repeat.state());
}

void TVzBaseSpinner::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (m_settingUp) {
        m_releaseSeen = true;
        return;
    }
    endPress();
}

void TVzBaseSpinner::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_passTimer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (m_autoRepeat)
        guarded([&] { attemptStep(); });
}

void TVzBaseSpinner::endPress() {
    m_passTimer.stop();
    if (!m_repeat.pressed())
        return;
    const TSpinState previous = m_repeat.state();
    m_repeat.release();
    redrawState(previous, m_repeat.state());
}

void TVzBaseSpinner::redrawState(TSpinState previous, TSpinState current) {
    QRegion dirty = stateRegion(previous);
    dirty += stateRegion(current);
    update(dirty);
}

void TVzBaseSpinner::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    guarded([&] {
        Controller();
        placeBesideAttached();
    });
}

void TVzBaseSpinner::hideEvent(QHideEvent* event) {
    endPress();
    QWidget::hideEvent(event);
}

void TVzBaseSpinner::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        endPress();
    QWidget::changeEvent(event);
}

void TVzBaseSpinner::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    moveAttachedBeside();
}

void TVzBaseSpinner::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize wanted = adjustedSize(size());
    if (wanted != size()) {
        resize(wanted);
        return;
    }
    moveAttachedBeside();
}

void TVzBaseSpinner::placeBesideAttached() {
    QWidget* control = m_attached;
    QWidget* parent = parentWidget();
    if (!control || !parent || control->window() != window())
        return;
    QRect controlRect = control->geometry();
    if (control->parentWidget() != parent)
        controlRect.moveTopLeft(
            parent->mapFrom(window(), control->parentWidget()->mapTo(window(), control->pos())));
    m_placing = true;
    setGeometry(toQRect(
        placeBeside(m_position, toSpinRect(controlRect), toSpinRect(geometry()), m_separation)));
    m_placing = false;
}

void TVzBaseSpinner::moveAttachedBeside() {
    QWidget* control = m_attached;
    if (!m_attachTwoWay || m_placing || !control || control->parentWidget() != parentWidget())
        return;
    control->setGeometry(toQRect(placeControlBeside(
        m_position, toSpinRect(geometry()), toSpinRect(control->geometry()), m_separation)));
}

void TVzBaseSpinner::drawBevel(QPainter& painter, const QRect& rect, bool pressed) const {
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const QColor topLeft = pressed ? dark : light;
    const QColor bottomRight = pressed ? palette().color(QPalette::Button) : dark;
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

void TVzBaseSpinner::drawArrow(QPainter& painter, const std::vector<SpinSpan>& spans,
                               int offset) const {
    auto paintSpans = [&](const QColor& colour, int shift) {
        painter.setPen(colour);
        for (const auto& s : spans)
            painter.drawLine(s.x1 + shift, s.y1 + shift, s.x2 + shift, s.y2 + shift);
    };
    if (isEnabled()) {
        paintSpans(palette().color(QPalette::ButtonText), offset);
        return;
    }
    paintSpans(palette().color(QPalette::Light), offset + 1);
    paintSpans(palette().color(QPalette::Dark), offset);
}

} // namespace vz
