// A periodic timer finer than the event loop's own: it waits on a thread of its own and, on each
// period, only posts a step to the thread that owns it, where the step callback runs. At most
// one post waits in the queue at a time and it runs every step that fell due meanwhile, so a
// busy interface thread neither piles up messages nor loses steps.
//
//     vz::HiResTimer timer([this](unsigned id) { step(id); });
//     unsigned id = timer.start(12, 12); // a step every 12 ms on this thread
//     timer.stop();
#pragma once

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace vz {

class HiResTimer final : public QObject {
public:
    struct Caps {
        int periodMinMs;
        int periodMaxMs;
    };
    // The periods this timer supports.
    static Caps caps();

    explicit HiResTimer(std::function<void(unsigned id)> onStep, QObject* parent = nullptr);
    ~HiResTimer() override;
    HiResTimer(const HiResTimer&) = delete;
    HiResTimer& operator=(const HiResTimer&) = delete;

    // Starts (or restarts) stepping every periodMs; returns the run's identifier, never 0, which
    // each step carries. resolutionMs is the accuracy asked for; the system's timers are finer
    // than any value the program asks, so it is kept for information only.
    unsigned start(int periodMs, int resolutionMs);
    // Stops stepping; a step already posted for the stopped run is dropped.
    void stop();

    bool running() const { return m_worker.joinable(); }
    int periodMs() const { return m_periodMs; }
    int resolutionMs() const { return m_resolutionMs; }

private:
    void run(std::stop_token stop, unsigned id, int periodMs);
    void deliver(unsigned id);

    std::function<void(unsigned)> m_onStep;
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::atomic<int> m_due{0}; // periods passed since the last delivery
    std::jthread m_worker;
    unsigned m_id = 0; // owner thread only
    int m_periodMs = 0;
    int m_resolutionMs = 0;
};

} // namespace vz
