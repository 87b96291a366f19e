// Opening the crate screen for a master's journal (its 106 mist pictures
// copied and painted), the island map on a playable island next to the
// small island's own making, and the ending page. Run headless:
// `build/tests/bench --benchmark_filter=CrateMapEnd`.
#include "BenchServices.h"
#include "CController.h"
#include "CControllerCrate.h"
#include "CControllerEndStory.h"
#include "CControllerGame.h"
#include "CControllerIslandSelect.h"
#include "CControllerMap.h"
#include "CDraw.h"
#include "CMap.h"
#include "CObject.h"
#include "CProfile.h"
#include "CSprite.h"
#include "IslandSeeds.h"

#include <benchmark/benchmark.h>

namespace {

// One game screen on a playable island for the whole run.
void EnsureIsland()
{
    EnsureBenchServices();
    if (CControllerGame::game) {
        return;
    }
    CProfile::current->SetValue<bool>(67, false);
    const unsigned int seed = kFixedIslandSeeds[0];
    int nameId = 0, prefixId = 0;
    CControllerIslandSelect::IslandName(seed, nameId, prefixId);
    CProfile::current->SetValue<unsigned int>(46, seed);
    CProfile::current->SetValue<int>(47, nameId);
    CProfile::current->SetValue<int>(48, prefixId);
    CObject::UnloadAll();
    CMap::mysteriousObjectsLoaded = false;
    CMap* island = new CMap(false);
    island->CreateMap(seed, -1, -1, false, true, false);
    new CControllerGame(false, false);
}

// Over the game screen, which holds the plain mist pictures decoded.
void CrateMapEndOpenCrateScreenInMist(benchmark::State& state)
{
    EnsureIsland();
    feedback_data request{};
    request.id = 24195;
    request.insert[0] = "Mara";
    request.crate = 1;
    request.noticeOnly = 1;
    request.number = 1;
    request.crateTier = 2;
    for (auto _ : state) {
        CControllerCrate crate(request);
        benchmark::DoNotOptimize(crate.mistB);
    }
}
BENCHMARK(CrateMapEndOpenCrateScreenInMist)->Unit(benchmark::kMillisecond);

void CrateMapEndMakeTheSmallIsland(benchmark::State& state)
{
    EnsureIsland();
    for (auto _ : state) {
        const int image = CControllerGame::island->GetMiniMap();
        CController::draw->RemoveImage(image);
    }
}
BENCHMARK(CrateMapEndMakeTheSmallIsland)->Unit(benchmark::kMillisecond);

void CrateMapEndOpenIslandMap(benchmark::State& state)
{
    EnsureIsland();
    for (auto _ : state) {
        CControllerMap map;
        benchmark::DoNotOptimize(map.mysteriesSolved);
    }
    delete CControllerMap::sMap;
    CControllerMap::sMap = nullptr;
}
BENCHMARK(CrateMapEndOpenIslandMap)->Unit(benchmark::kMillisecond);

void CrateMapEndOpenEndingPage(benchmark::State& state)
{
    EnsureBenchServices();
    for (auto _ : state) {
        CControllerEndStory page;
        benchmark::DoNotOptimize(page.continueButton);
    }
}
BENCHMARK(CrateMapEndOpenEndingPage)->Unit(benchmark::kMillisecond);

}  // namespace
