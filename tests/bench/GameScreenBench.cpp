// The return to an island: the game screen opening on the playable island
// with half a minute away, and its first call, which runs the 900 catch-up
// frames back to back before the player gets control. Only that call is
// timed. Run headless: `build/tests/bench --benchmark_filter=GameScreen`.
#include "BenchServices.h"
#include "CController.h"
#include "CControllerGame.h"
#include "CMap.h"
#include "CObject.h"
#include "CProfile.h"
#include "IslandSeeds.h"
#include "Utilities.h"

#include <benchmark/benchmark.h>

namespace {

void GameScreenCatchUp(benchmark::State& state)
{
    EnsureBenchServices();
    CProfile::current->SetValue<bool>(7, true);
    for (auto _ : state) {
        state.PauseTiming();
        CObject::UnloadAll();
        CObject::obstructions.clear();
        CMap::mysteriousObjectsLoaded = false;
        CMap* island = new CMap(false);
        island->CreateMap(kFixedIslandSeeds[0], -1, -1, false, true, false);
        CProfile::current->SetValue<long>(33, GetCurrentTime() - 30);
        CControllerGame* game = new CControllerGame(false, false);
        game->hasFocus = true;
        CController::focus = game;
        state.ResumeTiming();

        game->Pump();
        benchmark::DoNotOptimize(game->frameCount);

        state.PauseTiming();
        CController::focus = nullptr;
        delete game;
        state.ResumeTiming();
    }
}
BENCHMARK(GameScreenCatchUp)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
