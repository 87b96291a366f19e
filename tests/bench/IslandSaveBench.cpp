// The playable island's coast-wave scan and saving the island into the
// profile store. Run headless: `build/tests/bench/bench`; the resource pack
// is found through PALMORA_RESOURCES or beside the build's binaries.
#include "BenchServices.h"
#include "CController.h"
#include "CInput.h"
#include "CMap.h"
#include "CObject.h"
#include "CProfile.h"
#include "CSprite.h"
#include "GameResources.h"
#include "IslandSeeds.h"
#include "TempFolder.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

// Each benchmark makes the island for itself and takes it away again: an
// island kept for the run would leave its fish and birds to the next
// benchmark's world frames.
static void BM_CoastWaveScan(benchmark::State& state)
{
    const BenchIslandPtr made = BenchIsland(kFixedIslandSeeds[0]);
    CMap& island = *made;
    for (auto _ : state) {
        island.CreateWavesForIsland(false);
    }
    state.counters["waves"] = static_cast<double>(island.waves.size());
}
BENCHMARK(BM_CoastWaveScan)->Iterations(5)->Unit(benchmark::kMillisecond);

static void BM_SaveMap(benchmark::State& state)
{
    const BenchIslandPtr made = BenchIsland(kFixedIslandSeeds[0]);
    CMap& island = *made;
    for (auto _ : state) {
        island.SaveMap();
    }
    state.counters["trees"] = static_cast<double>(island.trees.size());
    state.counters["flowers"] = static_cast<double>(island.flowers.size());
}
BENCHMARK(BM_SaveMap)->Iterations(200)->Unit(benchmark::kMicrosecond);
