// Where a scrolling caption stands and how it moves: the starting positions, the one-pixel steps
// with their wrap-around or bounce, the step delay for a speed, and the area of the control the
// caption's bitmap leaves uncovered.
//
//     vz::MarqueeMotion motion;                         // right to left, cycling, speed 5
//     vz::MarqueeExtent e{420, 32, 1300, 31};          // control and caption sizes
//     motion.setActive(true, e);                        // x == 420, just beyond the right edge
//     if (motion.step(e)) raiseOnCycle();               // x == 419
#pragma once

#include <vector>

namespace vz {

enum class TScrollBehavior { bhCycle, bhBounce, bhOnce };
enum class TScrollDirection { sdRightToLeft, sdLeftToRight, sdTopToBottom, sdBottomToTop };

// Client width and height, and the caption's width and height in the current font.
struct MarqueeExtent {
    int width = 0;
    int height = 0;
    int textWidth = 0;
    int textHeight = 0;
};

struct MarqueeRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const MarqueeRect&, const MarqueeRect&) = default;
};

constexpr int MaxScrollSpeed = 10;
// How far a cycling caption travels past the edge before it comes back at the other side.
constexpr int CycleOvershoot = 15;

// Milliseconds between steps: 20 - 2 x speed, at least 2.
int stepDelayMs(int speed);

// The smallest period the marquee asks of the periodic timer: the timer's own minimum raised to
// at least 2 ms, then lowered to its maximum if it exceeds it.
int timerResolutionFloor(int minPeriodMs, int maxPeriodMs);

class MarqueeMotion {
public:
    bool active() const { return m_active; }
    TScrollBehavior behavior() const { return m_behavior; }
    TScrollDirection direction() const { return m_direction; }
    int speed() const { return m_speed; }
    int x() const { return m_x; }
    int y() const { return m_y; }

    // Each returns true when the value was taken. Switching on places the caption at its starting
    // position; switching off puts it at (0, 0). Changing behaviour or direction while active
    // restarts from the new starting position.
    bool setActive(bool active, const MarqueeExtent& extent);
    bool setBehavior(TScrollBehavior behavior, const MarqueeExtent& extent);
    bool setDirection(TScrollDirection direction, const MarqueeExtent& extent);
    // Ignores an unchanged value and anything outside 0..10.
    bool setSpeed(int speed);

    // One pixel of movement; does nothing while inactive. True at the end of a pass or at a
    // bounce, when the owner raises its cycle notice (and a bhOnce marquee switches off).
    bool step(const MarqueeExtent& extent);

    // Size of the caption's off-screen bitmap for the current direction.
    MarqueeRect bitmapRect(const MarqueeExtent& extent) const;
    // The parts of the client area the bitmap, placed at (x, y), does not cover.
    std::vector<MarqueeRect> uncovered(const MarqueeExtent& extent) const;

private:
    void place(const MarqueeExtent& extent);

    bool m_active = false;
    TScrollBehavior m_behavior = TScrollBehavior::bhCycle;
    TScrollDirection m_direction = TScrollDirection::sdRightToLeft;
    int m_speed = 5;
    int m_x = 0;
    int m_y = 0;
};

} // namespace vz
