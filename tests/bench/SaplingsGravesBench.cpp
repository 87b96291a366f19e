// Saplings and graves: a grave made on ground so crowded that all 100,000
// placement tests of its walk fail, and one frame of growth for 200 planted
// saplings. Run headless: `build/tests/bench --benchmark_filter=Saplings`.
#include "BenchServices.h"
#include "CControllerGame.h"
#include "CObject.h"
#include "CTombstone.h"
#include "CTreeIndicator.h"
#include "Utilities.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kSaplings = 200;

// No island: only obstructions stand in the way, hundreds of them over the
// whole world and one over all of it.
void Crowd()
{
    CObject::obstructions.clear();
    for (int y = 0; y < 3900; y += 160) {
        for (int x = 0; x < 3900; x += 160) {
            CObject::AddObstruction(x, y, 150, 150, nullptr, false);
        }
    }
    CObject::AddObstruction(-100, -100, 4200, 4200, nullptr, false);
}

void BM_SaplingsGravesDeathOnACrowdedIsland(benchmark::State& state)
{
    EnsureBenchServices();
    CControllerGame::island = nullptr;
    Crowd();
    InitRandom(5u);
    for (auto _ : state) {
        CTombstone* grave = new CTombstone(1900, 1900, "Tala", "11125", "", "12021", 70, -1, false);
        benchmark::DoNotOptimize(grave->GetX());
        state.PauseTiming();
        delete grave;
        state.ResumeTiming();
    }
    CObject::obstructions.clear();
}
BENCHMARK(BM_SaplingsGravesDeathOnACrowdedIsland)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SaplingsGravesAgeTwoHundred(benchmark::State& state)
{
    EnsureBenchServices();
    CObject::obstructions.clear();
    InitRandom(6u);
    std::vector<CTreeIndicator*> saplings;
    for (int i = 0; i < kSaplings; i++) {
        CTreeIndicator* sapling = new CTreeIndicator(100 + (i % 20) * 180, 100 + (i / 20) * 180, false, -1, false);
        CTreeIndicator::GrowTree(sapling);
        saplings.push_back(sapling);
    }
    for (auto _ : state) {
        for (CTreeIndicator* sapling : saplings) {
            sapling->Age(false);
        }
    }
    for (CTreeIndicator* sapling : saplings) {
        delete sapling;
    }
    CObject::obstructions.clear();
}
BENCHMARK(BM_SaplingsGravesAgeTwoHundred)->Unit(benchmark::kMicrosecond)->Iterations(3000);

}  // namespace
