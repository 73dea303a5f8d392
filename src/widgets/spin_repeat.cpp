#include "widgets/spin_repeat.h"

namespace vz {

void SpinRepeat::press(TSpinState state, std::int64_t nowMs) {
    m_previous = m_state;
    m_state = state;
    m_active = isArrow(state);
    m_pressed = true;
    m_steps = 0;
    m_nextStepMs = nowMs - 1;
}

bool SpinRepeat::attempt(std::int64_t nowMs) {
    if (!m_pressed || !m_active || nowMs <= m_nextStepMs)
        return false;
    const std::int64_t pause =
        FirstPauseMs - 10 * static_cast<std::int64_t>(m_acceleration) * m_steps;
    m_nextStepMs = nowMs + pause;
    ++m_steps;
    return true;
}

bool SpinRepeat::moveTo(TSpinState state) {
    if (!m_pressed || state == m_state)
        return false;
    m_previous = m_state;
    m_state = state;
    m_active = isArrow(state);
    return true;
}

void SpinRepeat::release() {
    m_previous = m_state;
    m_state = TSpinState::Normal;
    m_active = false;
    m_pressed = false;
}

} // namespace vz
