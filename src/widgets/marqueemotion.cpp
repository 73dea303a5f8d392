#include "widgets/marqueemotion.h"

#include <algorithm>

namespace vz {

namespace {

// Sizes beyond any screen are cut down so that positions and overshoots stay far from overflow.
constexpr int MaxExtent = 1 << 24;

MarqueeExtent sane(const MarqueeExtent& e) {
    auto clip = [](int v) {
        return std::clamp(v, 0, MaxExtent);
    };
    return {clip(e.width), clip(e.height), clip(e.textWidth), clip(e.textHeight)};
}

bool horizontal(TScrollDirection d) {
    return d == TScrollDirection::sdRightToLeft || d == TScrollDirection::sdLeftToRight;
}

} // namespace

int stepDelayMs(int speed) {
    const int delay = static_cast<int>((200 - 20 * speed) * 0.1);
    return std::max(2, delay);
}

int timerResolutionFloor(int minPeriodMs, int maxPeriodMs) {
    return std::min(std::max(minPeriodMs, 2), maxPeriodMs);
}

void MarqueeMotion::place(const MarqueeExtent& extent) {
    const MarqueeExtent e = sane(extent);
    const bool bounce = m_behavior == TScrollBehavior::bhBounce;
    switch (m_direction) {
    case TScrollDirection::sdRightToLeft:
        m_x = bounce ? e.width - e.textWidth : e.width;
        break;
    case TScrollDirection::sdLeftToRight:
        m_x = bounce ? 0 : -e.textWidth;
        break;
    case TScrollDirection::sdTopToBottom:
        m_y = bounce ? 0 : -e.textHeight;
        break;
    case TScrollDirection::sdBottomToTop:
        m_y = bounce ? e.height - e.textHeight : e.height;
        break;
    }
}

bool MarqueeMotion::setActive(bool active, const MarqueeExtent& extent) {
    if (active == m_active)
        return false;
    m_active = active;
    m_x = 0;
    m_y = 0;
    if (active)
        place(extent);
    return true;
}

bool MarqueeMotion::setBehavior(TScrollBehavior behavior, const MarqueeExtent& extent) {
    if (behavior == m_behavior)
        return false;
    const bool wasActive = m_active;
    setActive(false, extent);
    m_behavior = behavior;
    setActive(wasActive, extent);
    return true;
}

bool MarqueeMotion::setDirection(TScrollDirection direction, const MarqueeExtent& extent) {
    if (direction == m_direction)
        return false;
    const bool wasActive = m_active;
    setActive(false, extent);
    m_direction = direction;
    setActive(wasActive, extent);
    return true;
}

bool MarqueeMotion::setSpeed(int speed) {
    if (speed == m_speed || speed < 0 || speed > MaxScrollSpeed)
        return false;
    m_speed = speed;
    return true;
}

bool MarqueeMotion::step(const MarqueeExtent& extent) {
    if (!m_active)
        return false;
    const MarqueeExtent e = sane(extent);
    const bool bounce = m_behavior == TScrollBehavior::bhBounce &&
                        (horizontal(m_direction) ? e.textWidth < e.width : e.textHeight < e.height);
    switch (m_direction) {
    case TScrollDirection::sdRightToLeft:
        --m_x;
        if (bounce && m_x < 0) {
            m_direction = TScrollDirection::sdLeftToRight;
            return true;
        }
        if (!bounce && m_x < -e.textWidth - CycleOvershoot) {
            m_x = e.width;
            return true;
        }
        break;
    case TScrollDirection::sdLeftToRight:
        ++m_x;
        if (bounce && m_x > e.width - e.textWidth) {
            m_direction = TScrollDirection::sdRightToLeft;
            return true;
        }
        if (!bounce && m_x > e.width + CycleOvershoot) {
            m_x = -e.textWidth;
            return true;
        }
        break;
    case TScrollDirection::sdTopToBottom:
        ++m_y;
        if (bounce && m_y > e.height - e.textHeight) {
            m_direction = TScrollDirection::sdBottomToTop;
            return true;
        }
        if (!bounce && m_y > e.height + CycleOvershoot) {
            m_y = -e.textHeight;
            return true;
        }
        break;
    case TScrollDirection::sdBottomToTop:
        --m_y;
        if (bounce && m_y < 0) {
            m_direction = TScrollDirection::sdTopToBottom;
            return true;
        }
        if (!bounce && m_y < -e.textHeight - CycleOvershoot) {
            m_y = e.height;
            return true;
        }
        break;
    }
    return false;
}

MarqueeRect MarqueeMotion::bitmapRect(const MarqueeExtent& extent) const {
    const MarqueeExtent e = sane(extent);
    const int width = horizontal(m_direction) ? e.width + e.textWidth : e.width;
    return {m_x, m_y, width, e.height + e.textHeight};
}

std::vector<MarqueeRect> MarqueeMotion::uncovered(const MarqueeExtent& extent) const {
    const MarqueeExtent e = sane(extent);
    const MarqueeRect bitmap = bitmapRect(e);
    std::vector<MarqueeRect> result;
    const int left = std::clamp(bitmap.x, 0, e.width);
    const int right = std::clamp(bitmap.x + bitmap.width, left, e.width);
    const int top = std::clamp(bitmap.y, 0, e.height);
    const int bottom = std::clamp(bitmap.y + bitmap.height, top, e.height);
    auto add = [&result](int x, int y, int w, int h) {
        if (w > 0 && h > 0)
            result.push_back({x, y, w, h});
    };
    if (right == left || bottom == top) { // the bitmap misses the client area altogether
        add(0, 0, e.width, e.height);
        return result;
    }
    add(0, 0, left, e.height);                          // left of the bitmap, full height
    add(right, 0, e.width - right, e.height);           // right of it
    add(left, 0, right - left, top);                    // above it, between the two
    add(left, bottom, right - left, e.height - bottom); // below it
    return result;
}

} // namespace vz
