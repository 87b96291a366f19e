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

// A game screen on a playable island for one benchmark: made before it is
// measured, and closed with its island and world when the benchmark ends.
struct GameOnIsland {
    GameOnIsland()
    {
        EnsureBenchServices();
        ClearBenchWorld();
        CProfile::current->SetValue<bool>(67, false);
        const unsigned int seed = kFixedIslandSeeds[0];
        int nameId = 0, prefixId = 0;
        CControllerIslandSelect::IslandName(seed, nameId, prefixId);
        CProfile::current->SetValue<unsigned int>(46, seed);
        CProfile::current->SetValue<int>(47, nameId);
        CProfile::current->SetValue<int>(48, prefixId);
        CMap* island = new CMap(false);
        island->CreateMap(seed, -1, -1, false, true, false);
        game = new CControllerGame(false, false);
    }

    ~GameOnIsland()
    {
        delete game;
        ClearBenchWorld();
    }

    GameOnIsland(const GameOnIsland&) = delete;
    GameOnIsland& operator=(const GameOnIsland&) = delete;

    CControllerGame* game;
};

// Over the game screen, which holds the plain mist pictures decoded.
void CrateMapEndOpenCrateScreenInMist(benchmark::State& state)
{
    GameOnIsland screen;
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
    GameOnIsland screen;
    for (auto _ : state) {
        const int image = CControllerGame::island->GetMiniMap();
        CController::draw->RemoveImage(image);
    }
}
BENCHMARK(CrateMapEndMakeTheSmallIsland)->Unit(benchmark::kMillisecond);

void CrateMapEndOpenIslandMap(benchmark::State& state)
{
    GameOnIsland screen;
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
