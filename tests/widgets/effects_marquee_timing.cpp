// Measures how evenly the about box's marquee scrolls on a real display: the intervals between
// its repaints over a few seconds once it scrolls, and the process's CPU time meanwhile.
// Prints one line of figures; see scripts/measure-marquee.
#include "events/about.h"
#include "platform/fonts.h"
#include "widgets/marquee.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class PaintRecorder final : public QObject {
public:
    std::vector<Clock::time_point> paints;
    bool recording = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (recording && event->type() == QEvent::Paint)
            paints.push_back(Clock::now());
        return false;
    }
};

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vz::installFontSubstitutions();
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;

    vz::TfrmAbout box(nullptr);
    PaintRecorder recorder;
    box.marq->installEventFilter(&recorder);
    box.show();

    double cpuAtStart = 0;
    Clock::time_point wallAtStart;
    // Start measuring a second after opening, when the marquee has been scrolling for a while.
    QTimer::singleShot(1000, [&] {
        recorder.recording = true;
        cpuAtStart = cpuSeconds();
        wallAtStart = Clock::now();
    });
    QTimer::singleShot(1000 + static_cast<int>(seconds * 1000), [&] {
        recorder.recording = false;
        const double cpu = cpuSeconds() - cpuAtStart;
        const double wall = std::chrono::duration<double>(Clock::now() - wallAtStart).count();
        std::vector<double> gaps;
        for (std::size_t i = 1; i < recorder.paints.size(); ++i)
            gaps.push_back(std::chrono::duration<double, std::milli>(recorder.paints[i] -
                                                                     recorder.paints[i - 1])
                               .count());
        std::sort(gaps.begin(), gaps.end());
        auto at = [&](double q) {
            return gaps.empty() ? 0.0 : gaps[static_cast<std::size_t>(q * (gaps.size() - 1))];
        };
        std::printf("speed %d: %zu repaints in %.1f s; interval median %.2f ms, p95 %.2f ms, "
                    "max %.2f ms; CPU %.1f%% of one core\n",
                    box.marq->scrollSpeed(), recorder.paints.size(), wall, at(0.5), at(0.95),
                    gaps.empty() ? 0.0 : gaps.back(), 100.0 * cpu / wall);
        app.quit();
    });
    return app.exec();
}
