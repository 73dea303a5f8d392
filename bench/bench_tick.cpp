// The core work of one tick: the interval of the selected event with its eleven display texts,
// and the Day and When cells of a full list of 25 events.
#include "engine/datetext.h"
#include "engine/wording.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

const vz::TDateTime Now = vz::encodeDateTime(2026, 12, 8, 14, 30, 15, 250);

void BM_computedatediff(benchmark::State& state) {
    const vz::TDateTime event = vz::encodeDateTime(1969, 7, 20, 20, 17, 40, 0);
    vz::TDateDiff dd;
    for (auto _ : state) {
        vz::computedatediff(dd, event, Now);
        benchmark::DoNotOptimize(dd);
    }
}
BENCHMARK(BM_computedatediff);

void BM_tickCoreWork(benchmark::State& state) {
    const vz::RegionalSettings rs = [] {
        vz::RegionalSettings s = vz::usDefaults();
        vz::fix2000(s);
        return s;
    }();
    struct Row {
        std::string desc, date, time;
    };
    std::vector<Row> rows;
    for (int i = 0; i < 25; ++i)
        rows.push_back(
            {"Event " + std::to_string(i), vz::dateToStr(Now - 3000 + i * 250.5, rs), "09:15 PM"});
    vz::DisplayTexts texts;
    vz::RowCells cells;
    for (auto _ : state) {
        vz::TDateDiff dd;
        vz::computedatediff(dd, vz::eventInstant(rows[3].date, rows[3].time, rs, 2026), Now);
        vz::fillDisplayTexts(texts, rows[3].desc, dd, rs);
        for (const Row& row : rows)
            vz::fillRowCells(cells, vz::eventInstant(row.date, row.time, rs, 2026), Now, rs);
        benchmark::DoNotOptimize(texts);
        benchmark::DoNotOptimize(cells);
    }
}
BENCHMARK(BM_tickCoreWork);

} // namespace
