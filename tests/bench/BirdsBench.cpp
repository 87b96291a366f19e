// The land birds and gulls: making the eight recoloured birds (112 composed
// images) and the twenty-four gulls of an island, and one busy game frame of
// the island's life (gulls, birds, butterflies, fish) without drawing. Run
// headless: `build/tests/bench --benchmark_filter=Birds`.
#include "BenchServices.h"
#include "CBird.h"
#include "CButterfly.h"
#include "CFish.h"
#include "CGull.h"
#include "CMap.h"
#include "CObject.h"
#include "CProfile.h"
#include "CRipple.h"
#include "IslandSeeds.h"
#include "Utilities.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The playable island of a fixed seed with all its life.
struct LivelyIsland {
    LivelyIsland()
    {
        EnsureBenchServices();
        CProfile::current->SetValue<bool>(7, true);
        island = BenchIsland(kFixedIslandSeeds[0]);
    }

    ~LivelyIsland()
    {
        CRipple::Unload();
        CFish::EraseFish();
        island.reset();
        CObject::UnloadAll();
    }

    BenchIslandPtr island;
};

}  // namespace

static void BM_BirdsLoadBirds(benchmark::State& state)
{
    LivelyIsland lively;
    for (auto _ : state) {
        CBird::LoadBirds();
    }
}
BENCHMARK(BM_BirdsLoadBirds)->Iterations(20)->Unit(benchmark::kMillisecond);

static void BM_BirdsLoadGulls(benchmark::State& state)
{
    LivelyIsland lively;
    for (auto _ : state) {
        CGull::LoadBirds();
    }
}
BENCHMARK(BM_BirdsLoadGulls)->Iterations(20)->Unit(benchmark::kMillisecond);

static void BM_BirdsBusyFrame(benchmark::State& state)
{
    LivelyIsland lively;
    CMap& island = *lively.island;
    CFish::InitFish(kFixedIslandSeeds[0]);
    for (CGull* gull : CGull::bird) {
        gull->waiting = false;
    }
    for (auto _ : state) {
        CObject::MoveObjects(island.offsetX, island.offsetY, 1);
    }
    state.counters["objects"] = static_cast<double>(CObject::objects.size());
}
BENCHMARK(BM_BirdsBusyFrame)->Iterations(2000)->Unit(benchmark::kMicrosecond);
