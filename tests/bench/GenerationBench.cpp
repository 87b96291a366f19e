// Island generation: a populated preview island from its seed, the playable
// island with its stages, the ground painting, the coast-wave scan, the
// memory floor of one pass over the height grid, and the peak memory of the
// playable island and of a return to the preview and back. Run headless:
// `build/tests/bench/bench`; the resource pack is found through
// PALMORA_RESOURCES or beside the build's binaries.
#include "BenchServices.h"
#include "CController.h"
#include "CDraw.h"
#include "CInput.h"
#include "CMap.h"
#include "CObject.h"
#include "CProfile.h"
#include "CSprite.h"
#include "Config.h"
#include "IslandSeeds.h"
#include "GameResources.h"
#include "TempFolder.h"
#include "Utilities.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

long StatusKilobytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::atol(line.c_str() + strlen(field));
        }
    }
    return -1;
}

double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

// First of all, in a process that has made nothing big yet.
static void BM_PlayablePeakMemory(benchmark::State& state)
{
    BenchIslandPtr island = BenchNewIsland();
    island->CreateMap(kFixedIslandSeeds[0], -1, -1, false, true, false);
    for (auto _ : state) {
        const long before = StatusKilobytes("VmRSS:");
        std::ofstream("/proc/self/clear_refs") << "5";
        island->ToggleBig(true);
        state.counters["peak_MB"] = static_cast<double>(StatusKilobytes("VmHWM:")) / 1024.0;
        state.counters["before_MB"] = static_cast<double>(before) / 1024.0;
        // Back to the preview and on to the playable island
        // once more: the peak of the whole road (aim: 210 MB).
        island->ToggleBig(true);
        island->ToggleBig(true);
        state.counters["road_peak_MB"] = static_cast<double>(StatusKilobytes("VmHWM:")) / 1024.0;
        island->ToggleBig(true);
    }
}
BENCHMARK(BM_PlayablePeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

static void BM_PreviewIsland(benchmark::State& state)
{
    BenchIslandPtr island = BenchNewIsland();
    size_t next = 0;
    for (auto _ : state) {
        island->CreateMap(kFixedIslandSeeds[next++ % FIXED_ISLAND_SEEDS], -1, -1, false, true, false);
    }
    state.counters["trees"] = static_cast<double>(island->trees.size());
}
BENCHMARK(BM_PreviewIsland)->Iterations(25)->Unit(benchmark::kMillisecond);

static void BM_PlayableIsland(benchmark::State& state)
{
    BenchIslandPtr island = BenchNewIsland();
    island->CreateMap(kFixedIslandSeeds[0], -1, -1, false, true, false);
    island->ToggleBig(true);
    for (auto _ : state) {
        island->CreateMap(kFixedIslandSeeds[0], -1, -1, false, false, false);
    }
}
BENCHMARK(BM_PlayableIsland)->Iterations(3)->Unit(benchmark::kMillisecond);

// The stages of the playable island, each timed alone.
static void BM_PlayableStages(benchmark::State& state)
{
    BenchIslandPtr island = BenchIsland(kFixedIslandSeeds[0]);
    const int samples = PLAYABLE_SAMPLES;
    std::vector<int> sand(static_cast<size_t>(samples) * samples);
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        island->GenerateHeights(kFixedIslandSeeds[0]);
        state.counters["heights_ms"] = Since(start);

        // The sand noise runs the same fractal on a grid of its own.
        std::fill(sand.begin(), sand.end(), -1);
        for (int x = 0; x < samples; x += 64) {
            for (int y = 0; y < samples; y += 64) {
                sand[static_cast<size_t>(x) + static_cast<size_t>(y) * samples] = RangedRandom(0, 10000);
            }
        }
        start = std::chrono::steady_clock::now();
        float scale = 1.0f;
        for (int size = samples; size > 1; size /= 2, scale *= 0.8f) {
            island->FractalPass(scale, size, sand.data());
        }
        state.counters["sand_ms"] = Since(start);

        island->FreeSandNoise();
        start = std::chrono::steady_clock::now();
        island->DrawFractalMapPixels(-1, -1, -1, -1, false);
        state.counters["paint_ms"] = Since(start);

        start = std::chrono::steady_clock::now();
        island->CreateWavesForIsland(false);
        state.counters["waves_ms"] = Since(start);

        start = std::chrono::steady_clock::now();
        island->CreateTreesForIsland();
        island->CreateRocksForIsland();
        island->CreateFlowersForIsland();
        state.counters["populate_ms"] = Since(start);
    }
}
BENCHMARK(BM_PlayableStages)->Iterations(3)->Unit(benchmark::kMillisecond);

static void BM_PaintWholeGround(benchmark::State& state)
{
    BenchIslandPtr island = BenchIsland(kFixedIslandSeeds[3]);
    for (auto _ : state) {
        island->DrawFractalMapPixels(-1, -1, -1, -1, false);
    }
}
BENCHMARK(BM_PaintWholeGround)->Iterations(10)->Unit(benchmark::kMillisecond);

// The floor under the playable island: one pass writing its height grid.
static void BM_HeightGridOnePass(benchmark::State& state)
{
    std::vector<int> grid(static_cast<size_t>(PLAYABLE_SAMPLES) * PLAYABLE_SAMPLES);
    int value = 0;
    for (auto _ : state) {
        std::fill(grid.begin(), grid.end(), value++);
        benchmark::DoNotOptimize(grid.data());
    }
}
BENCHMARK(BM_HeightGridOnePass)->Iterations(20)->Unit(benchmark::kMillisecond);
