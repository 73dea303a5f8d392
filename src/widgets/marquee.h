// A label whose shaded caption scrolls through its rectangle one pixel per step: right to left,
// left to right, top to bottom or bottom to top; around and around, bouncing, or once. Steps
// come from the high-resolution timer and are handled on the interface thread.
//
//     auto* m = new vz::TEsScrollingMarquee(parent);
//     m->setCaption(QStringLiteral("News of the day"));
//     m->setScrollSpeed(4); // a pixel every 12 ms
//     m->setActive(true);
#pragma once

#include "platform/hirestimer.h"
#include "widgets/marqueemotion.h"
#include "widgets/shadedlabel.h"

#include <QPixmap>

#include <functional>

namespace vz {

class TEsCustomScrollingMarquee : public TEsCustomLabel {
public:
    explicit TEsCustomScrollingMarquee(QWidget* parent = nullptr);
    ~TEsCustomScrollingMarquee() override;

    bool active() const { return m_motion.active(); }
    void setActive(bool active);
    TScrollBehavior behavior() const { return m_motion.behavior(); }
    void setBehavior(TScrollBehavior behavior);
    TScrollDirection scrollDirection() const { return m_motion.direction(); }
    void setScrollDirection(TScrollDirection direction);
    int scrollSpeed() const { return m_motion.speed(); }
    void setScrollSpeed(int speed);

    // Raised at the end of each pass and at each bounce.
    std::function<void(TEsCustomScrollingMarquee* sender)> OnCycle;

    QPoint offset() const { return {m_motion.x(), m_motion.y()}; }
    QSize textSize() const { return {m_textWidth, m_textHeight}; }
    const HiResTimer& timer() const { return m_timer; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void textChanged() override;
    void invalidate() override;

private:
    void measure();
    MarqueeExtent extent() const;
    int bitmapFlags() const;
    void restartTimer();
    void step();

    MarqueeMotion m_motion;
    HiResTimer m_timer;
    int m_resolutionFloor;
    int m_textWidth = 0;
    int m_textHeight = 0;
    QPixmap m_bitmap; // the rendered caption
    bool m_stale = true;
};

class TEsScrollingMarquee final : public TEsCustomScrollingMarquee {
public:
    using TEsCustomScrollingMarquee::TEsCustomScrollingMarquee;
};

} // namespace vz
