// The island's small life: the footprint pictures made at the first print,
// the fish made and recoloured when an island is enlarged, and one game frame
// of twenty butterflies, three fish, 100 footprints and 40 ripples without
// drawing. Run headless: `build/tests/bench --benchmark_filter=Life`.
#include "BenchServices.h"
#include "CButterfly.h"
#include "CFish.h"
#include "CFootprint.h"
#include "CMap.h"
#include "CObject.h"
#include "CProfile.h"
#include "CRipple.h"
#include "IslandSeeds.h"
#include "Utilities.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kPrints = 100;
constexpr int kRipples = 40;

// The playable island of a fixed seed with its butterflies and fish.
struct Shore {
    Shore()
    {
        EnsureBenchServices();
        CProfile::current->SetValue<bool>(7, true);
        island = BenchIsland(kFixedIslandSeeds[0]);
    }

    ~Shore()
    {
        CFootprint::Unload();
        CRipple::Unload();
        CFish::EraseFish();
        island.reset();
        CObject::UnloadAll();
    }

    BenchIslandPtr island;
};

}  // namespace

static void BM_LifeFootprintImages(benchmark::State& state)
{
    EnsureBenchServices();
    for (auto _ : state) {
        CFootprint::LoadImages();
        state.PauseTiming();
        CFootprint::Unload();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LifeFootprintImages)->Iterations(20)->Unit(benchmark::kMillisecond);

static void BM_LifeInitFish(benchmark::State& state)
{
    Shore shore;
    for (auto _ : state) {
        CFish::InitFish(kFixedIslandSeeds[0]);
        state.PauseTiming();
        CFish::EraseFish();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LifeInitFish)->Iterations(20)->Unit(benchmark::kMillisecond);

static void BM_LifeFrame(benchmark::State& state)
{
    Shore shore;
    CMap& island = *shore.island;
    CFish::InitFish(kFixedIslandSeeds[0]);
    InitRandom(5);
    for (int i = 0; i < kPrints; i++) {
        // One draw a statement, y first as the measured prints were drawn.
        const int y = RangedRandom(0, 3800);
        const int x = RangedRandom(0, 3800);
        CFootprint::AddPrint(x, y, 1.1f, i % 2 == 0, i % 3 == 0, i % 5 == 0, false, i % 4, false);
    }
    for (int i = 0; CRipple::ripples.size() < static_cast<size_t>(kRipples); i++) {
        const int y = RangedRandom(0, 3800);
        const int x = RangedRandom(0, 3800);
        CRipple::AddRipple(x, y, i % 30);
    }
    std::vector<CObject*> life;
    for (CButterfly* one : CButterfly::butterfly) {
        life.push_back(one);
    }
    for (const fish_clump& clump : CFish::fishClump) {
        life.push_back(clump.fish);
    }
    for (auto _ : state) {
        for (CObject* object : life) {
            object->Pump(island.offsetX, island.offsetY, 1);
        }
        CFootprint::PumpAll(island.offsetX, island.offsetY);
        CRipple::PumpAll(island.offsetX, island.offsetY);
    }
    state.counters["objects"] = static_cast<double>(life.size());
}
BENCHMARK(BM_LifeFrame)->Iterations(2000)->Unit(benchmark::kMicrosecond);
