// The press-and-hold schedule of the spin buttons: which arrow is pressed, whether it is under
// the mouse, and when the next step may happen. The pauses shrink by 10 × Acceleration ms per
// step (500, 450, … with the default 5) until steps come on every pass of the repeat loop.
//
//     vz::SpinRepeat repeat;                       // Acceleration 5
//     repeat.press(vz::TSpinState::Up, nowMs);
//     if (repeat.attempt(nowMs)) stepOnce();       // the first step happens at once
#pragma once

#include <cstdint>

namespace vz {

// Where the mouse is on a spin button: outside it, on no arrow, or on one of the arrows.
enum class TSpinState : int { Outside = 0, Normal = 1, Up = 2, Down = 3, Left = 4, Right = 5 };

constexpr bool isArrow(TSpinState state) {
    return state >= TSpinState::Up && state <= TSpinState::Right;
}

class SpinRepeat {
public:
    static constexpr int DefaultAcceleration = 5;
    static constexpr std::int64_t FirstPauseMs = 500;

    explicit SpinRepeat(int acceleration = DefaultAcceleration) : m_acceleration(acceleration) {}

    void setAcceleration(int acceleration) { m_acceleration = acceleration; }
    int acceleration() const { return m_acceleration; }

    // Starts a press cycle on `state`; the first attempt after it steps at once.
    void press(TSpinState state, std::int64_t nowMs);
    // True when a step is due now (and counts it); false while off the arrows or pausing.
    bool attempt(std::int64_t nowMs);
    // The mouse moved onto `state`; true when that changed the state (the button needs a redraw).
    bool moveTo(TSpinState state);
    // Ends the press cycle: back to normal, no arrow active.
    void release();

    TSpinState state() const { return m_state; }
    TSpinState previousState() const { return m_previous; }
    bool active() const { return m_active; }
    bool pressed() const { return m_pressed; }
    int steps() const { return m_steps; }

private:
    int m_acceleration;
    TSpinState m_state = TSpinState::Normal;
    TSpinState m_previous = TSpinState::Normal;
    bool m_active = false;
    bool m_pressed = false;
    int m_steps = 0;
    std::int64_t m_nextStepMs = 0;
};

} // namespace vz
