#include "platform/hirestimer.h"

#include <algorithm>
#include <chrono>

namespace vz {

HiResTimer::Caps HiResTimer::caps() {
    return {1, 1'000'000};
}

HiResTimer::HiResTimer(std::function<void(unsigned)> onStep, QObject* parent)
    : QObject(parent), m_onStep(std::move(onStep)) {}

HiResTimer::~HiResTimer() {
    stop();
}

unsigned HiResTimer::start(int periodMs, int resolutionMs) {
    stop();
    const Caps limits = caps();
    m_periodMs = std::clamp(periodMs, limits.periodMinMs, limits.periodMaxMs);
    m_resolutionMs = std::clamp(resolutionMs, limits.periodMinMs, limits.periodMaxMs);
    if (++m_id == 0)
        m_id = 1;
    m_due = 0;
    const unsigned id = m_id;
    const int period = m_periodMs;
    m_worker = std::jthread([this, id, period](std::stop_token stop) { run(stop, id, period); });
    return id;
}

void HiResTimer::stop() {
    if (!m_worker.joinable())
        return;
    m_worker.request_stop();
    m_wake.notify_all();
    m_worker.join();
    m_worker = std::jthread();
    ++m_id; // a step of the stopped run that is still queued no longer matches
}

void HiResTimer::run(std::stop_token stop, unsigned id, int periodMs) {
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(periodMs);
    // Deadlines are absolute, so a late wake-up shortens the next wait instead of drifting.
    auto deadline = Clock::now() + period;
    std::unique_lock lock(m_mutex);
    while (!stop.stop_requested()) {
        if (m_wake.wait_until(lock, stop, deadline, [] { return false; }) || stop.stop_requested())
            break;
        const auto now = Clock::now();
        deadline += period;
        if (deadline <= now) // after a long stall, resume the rhythm from now
            deadline = now + period;
        if (m_due.fetch_add(1) == 0)
            QMetaObject::invokeMethod(
                this, [this, id] { deliver(id); }, Qt::QueuedConnection);
    }
}

void HiResTimer::deliver(unsigned id) {
    if (id != m_id) // posted by a run that has been stopped since
        return;
    // A step may stop or restart the timer; the remaining due steps then belong to a finished run.
    for (int due = m_due.exchange(0); due > 0 && id == m_id && m_onStep; --due)
        m_onStep(id);
}

} // namespace vz
