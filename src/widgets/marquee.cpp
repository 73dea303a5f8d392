#include "widgets/marquee.h"

#include <QFontMetrics>
#include <QPainter>

namespace vz {

TEsCustomScrollingMarquee::TEsCustomScrollingMarquee(QWidget* parent)
    : TEsCustomLabel(parent), m_timer([this](unsigned) { step(); }),
      m_resolutionFloor(
          timerResolutionFloor(HiResTimer::caps().periodMinMs, HiResTimer::caps().periodMaxMs)) {
    setTransparent(false);
    setWordWrap(true);
    setColor(palette().color(QPalette::Base));
    measure();
    restartTimer();
}

TEsCustomScrollingMarquee::~TEsCustomScrollingMarquee() {
    m_timer.stop();
}

MarqueeExtent TEsCustomScrollingMarquee::extent() const {
    return {width(), height(), m_textWidth, m_textHeight};
}

void TEsCustomScrollingMarquee::measure() {
    const QFontMetrics metrics(font());
    m_textWidth = metrics.horizontalAdvance(caption());
    int flags = Qt::TextExpandTabs;
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    m_textHeight =
        caption().isEmpty() ? 0 : metrics.boundingRect(rect(), flags, caption()).height();
    m_stale = true;
}

void TEsCustomScrollingMarquee::textChanged() {
    measure();
    invalidate();
}

void TEsCustomScrollingMarquee::invalidate() {
    m_stale = true;
    update();
}

void TEsCustomScrollingMarquee::resizeEvent(QResizeEvent*) {
    measure();
}

void TEsCustomScrollingMarquee::setActive(bool on) {
    if (on == m_motion.active())
        return;
    if (on)
        measure();
    m_motion.setActive(on, extent());
    invalidate();
}

void TEsCustomScrollingMarquee::setBehavior(TScrollBehavior behavior) {
    if (m_motion.active())
        measure();
    if (m_motion.setBehavior(behavior, extent()))
        invalidate();
}

void TEsCustomScrollingMarquee::setScrollDirection(TScrollDirection direction) {
    if (m_motion.active())
        measure();
    if (m_motion.setDirection(direction, extent()))
        invalidate();
}

void TEsCustomScrollingMarquee::setScrollSpeed(int speed) {
    if (!m_motion.setSpeed(speed))
        return;
    restartTimer();
    invalidate();
}

void TEsCustomScrollingMarquee::restartTimer() {
    m_timer.stop();
    if (m_motion.speed() == 0)
        return;
    const int delay = stepDelayMs(m_motion.speed());
    m_timer.start(delay, std::max(delay, m_resolutionFloor));
}

void TEsCustomScrollingMarquee::step() {
    if (!m_motion.active())
        return;
    if (m_motion.step(extent())) {
        if (OnCycle)
            OnCycle(this);
        if (m_motion.behavior() == TScrollBehavior::bhOnce)
            setActive(false);
    }
    // Only the position changed: the rendered caption is still good, so the step costs one copy
    // of it instead of rendering all its layers again (a third of the CPU while scrolling).
    update();
}

int TEsCustomScrollingMarquee::bitmapFlags() const {
    int flags = Qt::TextExpandTabs | Qt::AlignTop;
    if (showAccelChar())
        flags |= Qt::TextShowMnemonic;
    const TScrollDirection d = m_motion.direction();
    if (d == TScrollDirection::sdTopToBottom || d == TScrollDirection::sdBottomToTop) {
        // Only a vertical marquee wraps and aligns its caption; a horizontal one is one line.
        flags |= textFlags() & (Qt::TextWordWrap | Qt::AlignHorizontal_Mask);
    } else {
        flags |= Qt::AlignLeft;
    }
    return flags;
}

void TEsCustomScrollingMarquee::paintEvent(QPaintEvent*) {
    const MarqueeExtent e = extent();
    const MarqueeRect placed = m_motion.bitmapRect(e);
    const QSize size(placed.width, placed.height);
    const qreal ratio = devicePixelRatioF();
    if (m_stale || m_bitmap.isNull() || m_bitmap.size() != size * ratio) {
        m_bitmap = QPixmap();
        if (!size.isEmpty()) {
            QPixmap bitmap(size * ratio);
            bitmap.setDevicePixelRatio(ratio);
            bitmap.fill(Qt::transparent);
            QPainter target(&bitmap);
            drawInto(target, QRect(QPoint(0, 0), size), bitmapFlags());
            target.end();
            m_bitmap = std::move(bitmap);
        }
        m_stale = false;
    }
    QPainter painter(this);
    if (!transparent())
        for (const MarqueeRect& r : m_motion.uncovered(e))
            painter.fillRect(r.x, r.y, r.width, r.height, color());
    if (!m_bitmap.isNull())
        painter.drawPixmap(placed.x, placed.y, m_bitmap);
}

} // namespace vz
