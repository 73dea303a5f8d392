// The event store's costs: a full store (25 events) loaded from and saved to a real file, the
// same in memory, and loading a large hand-made file, which must grow linearly with its size.
#include "engine/datetext.h"
#include "store/event_store.h"
#include "store/sortgrid.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

vz::RegionalSettings settings() {
    vz::RegionalSettings rs = vz::usDefaults();
    vz::fix2000(rs);
    return rs;
}

vz::EventGrid fullGrid(const vz::RegionalSettings& rs) {
    vz::EventGrid grid;
    vz::writeHeadings(grid);
    for (int r = 1; r <= vz::LastEventRow; ++r) {
        grid.cells.cell(vz::DescriptionCol, r) =
            "Event number " + std::to_string(r) + " Caf\xC3\xA9";
        grid.cells.cell(vz::DateCol, r) = vz::dateToStr(36526.0 + r * 97, rs);
        grid.cells.cell(vz::TimeCol, r) = "07:45 PM";
    }
    return grid;
}

class Folder {
public:
    Folder() : m_path(fs::temp_directory_path() / "vz-bench-store") {
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~Folder() { fs::remove_all(m_path); }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

void LoadAndSaveFullStoreOnDisk(benchmark::State& state) {
    const vz::RegionalSettings rs = settings();
    const Folder folder;
    vz::writeGrid(folder.path(), fullGrid(rs), 200, rs, 2026);
    for (auto _ : state) {
        vz::EventGrid grid;
        int splitter = 200;
        vz::readGrid(folder.path(), grid, splitter, rs);
        vz::writeGrid(folder.path(), grid, splitter, rs, 2026);
    }
}
BENCHMARK(LoadAndSaveFullStoreOnDisk)->Unit(benchmark::kMicrosecond);

void LoadAndSaveFullStoreInMemory(benchmark::State& state) {
    const vz::RegionalSettings rs = settings();
    vz::ProfileFile file;
    vz::writeGridTo(file, fullGrid(rs), 200, rs, 2026);
    const std::string bytes = file.toBytes();
    for (auto _ : state) {
        vz::ProfileFile store = vz::ProfileFile::fromBytes(bytes);
        vz::EventGrid grid;
        int splitter = 200;
        vz::readGridFrom(store, grid, splitter, rs);
        vz::writeGridTo(store, grid, splitter, rs, 2026);
        benchmark::DoNotOptimize(store.toBytes());
    }
}
BENCHMARK(LoadAndSaveFullStoreInMemory)->Unit(benchmark::kMicrosecond);

void SortFullList(benchmark::State& state) {
    const vz::EventGrid sorted = fullGrid(settings());
    for (auto _ : state) {
        vz::EventGrid grid = sorted;
        for (int r = 1; r <= 12; ++r)
            grid.cells.swapRows(r, vz::LastEventRow + 1 - r);
        vz::SortGridRows(grid.cells, 1, vz::LastEventRow, vz::DescriptionCol, false);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(SortFullList)->Unit(benchmark::kMicrosecond);

// A store padded with many foreign lines: time per megabyte stays flat as the file grows.
void LoadLargeStore(benchmark::State& state) {
    const vz::RegionalSettings rs = settings();
    vz::ProfileFile file;
    vz::writeGridTo(file, fullGrid(rs), 200, rs, 2026);
    std::string bytes = file.toBytes();
    const std::size_t target = static_cast<std::size_t>(state.range(0)) << 20;
    for (int n = 0; bytes.size() < target; ++n)
        bytes += "[Pad" + std::to_string(n / 8) + "]\r\nKey" + std::to_string(n) +
                 "=some padding text of a hand-edited file\r\n";
    const Folder folder;
    std::ofstream(vz::storePath(folder.path()), std::ios::binary) << bytes;
    for (auto _ : state) {
        vz::EventGrid grid;
        int splitter = 200;
        vz::readGrid(folder.path(), grid, splitter, rs);
        benchmark::DoNotOptimize(grid);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(LoadLargeStore)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
