// One tick of the real main window as the user pays for it: the clock moves a second, the tick
// handler runs, and the event loop paints what changed into the window's backing store. Run on
// the offscreen platform with a full list of 25 events, at the designed size (about ten rows in
// view) and tall enough to show all 25.
#include "app/main_window.h"
#include "engine/clock.h"
#include "engine/datetext.h"
#include "engine/regional.h"
#include "full_store.h"
#include "platform/application.h"
#include "platform/fonts.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

// One tick, kept out of line so an instruction count can be limited to it:
//     valgrind --tool=callgrind --toggle-collect='*oneTick*' build/bin/bench_window_tick
[[gnu::noinline]] void oneTick(vz::FixedClock& clock, vz::TfrmMain& window) {
    clock.advanceSeconds(1);
    window.Timer1Timer();
    QCoreApplication::processEvents();
}

void BM_windowTick(benchmark::State& state) {
    QTemporaryDir folder;
    vz::bench::writeFullStore(folder.path().toStdString());
    vz::FixedClock clock(vz::encodeDateTime(2026, 12, 8, 14, 30, 15, 250));
    vz::ScopedClock useClock(clock);
    vz::TfrmMain window(folder.path());
    window.show();
    QCoreApplication::processEvents();
    // The placement is restored as the window shows, so the size is set after it.
    if (state.range(0) > 0)
        window.resize(window.width(), static_cast<int>(state.range(0)));
    QCoreApplication::processEvents();
    // Ticks come from the benchmark loop, not from the window's own timer.
    for (auto _ : state)
        oneTick(clock, window);
    window.hide();
}
// 0: the designed size; 800: every row of the list in view.
BENCHMARK(BM_windowTick)->Arg(0)->Arg(800)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    vz::Application app(argc, argv);
    vz::installFontSubstitutions();
    vz::processSettings() = vz::usDefaults();
    vz::fix2000(vz::processSettings());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
