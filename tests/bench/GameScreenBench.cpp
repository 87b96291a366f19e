// The return to an island: the game screen opening on the playable island
// with half a minute away, and its first call, which runs the 900 catch-up
// frames back to back before the player gets control. Only that call is
// timed. Then the busiest frame a player sees: a fed band of fifty among its
// buildings, the island's objects, waves and rain, drawn while the view
// scrolls; its share of the 33 ms a frame may take is the aim (8%). Run
// headless: `build/tests/bench --benchmark_filter=GameScreen`.
#include "BenchServices.h"
#include "CController.h"
#include "CControllerGame.h"
#include "CControllerTrophyUnlock.h"
#include "CMap.h"
#include "CObject.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "FedBand.h"
#include "IslandSeeds.h"
#include "Utilities.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

// Time away is measured on the clock: pinned, every round is thirty seconds.
constexpr int kNow = 1700000000;

void GameScreenCatchUp(benchmark::State& state)
{
    EnsureBenchServices();
    const BenchWorld world;
    PinCurrentTime(kNow);
    CProfile::current->SetValue<bool>(7, true);
    for (auto _ : state) {
        state.PauseTiming();
        CObject::UnloadAll();
        CObject::obstructions.clear();
        CMap::mysteriousObjectsLoaded = false;
        CMap* island = new CMap(false);
        island->CreateMap(kFixedIslandSeeds[0], -1, -1, false, true, false);
        CProfile::current->SetValue<long>(33, kNow - 30);
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
    PinCurrentTime(0);
}
BENCHMARK(GameScreenCatchUp)->Unit(benchmark::kMillisecond)->Iterations(3);

void GameScreenBusiestFrameScrolling(benchmark::State& state)
{
    constexpr double kFrameSeconds = 1.0 / 30.0;
    EnsureBenchServices();
    const BenchWorld world;
    CProfile::current->SetValue<bool>(7, true);
    CObject::UnloadAll();
    CObject::obstructions.clear();
    CMap::mysteriousObjectsLoaded = false;
    CMap* island = new CMap(false);
    island->CreateMap(kFixedIslandSeeds[2], -1, -1, false, true, false);
    CProfile::current->SetValue<long>(33, 0);  // no time away
    CProfile::current->SetValue<bool>(38, true);
    CProfile::current->SetValue<bool>(67, false);
    // Nothing is presented, so the game would count every frame slow and
    // ask whether to turn its effects off.
    CProfile::current->SetValue<bool>(75, true);
    CControllerGame* game = new CControllerGame(true, false);
    game->hasFocus = true;
    game->catchUpFrames = 0;
    CController::focus = game;
    SettleFedBand(*island, 50, 53u);
    island->SetRain(true, 1);
    CControllerGame::stopFollowing = true;
    const auto frame = [&](int step) {
        // Back and forth across the band, a few pixels a frame.
        const int sweep = step % 400 < 200 ? step % 200 : 200 - step % 200;
        island->CenterScreen(island->GetStartX() - 400 + sweep * 4, island->GetStartY(), true, false, false);
        CController::PumpFocus();
        CController::renderer->Render(true);
    };
    int step = 0;
    for (; step < 60; step++) {
        frame(step);
        // A band this size wins trophies; the player goes straight back.
        if (CControllerGame::trophyUnlock && CController::focus == CControllerGame::trophyUnlock) {
            CControllerGame::trophyUnlock->dismissed = true;
            CControllerGame::trophyUnlock->ShutDown(0);
            CController::PumpFocus();
        }
    }
    if (!game->hasFocus) {
        state.SkipWithError("the game screen lost the focus before the frames were timed");
        return;
    }
    double total = 0.0, worst = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        frame(step++);
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        total += took;
        worst = std::max(worst, took);
    }
    state.counters["frame_share"] = total / static_cast<double>(state.iterations()) / kFrameSeconds;
    state.counters["worst_share"] = worst / kFrameSeconds;
    state.counters["objects"] = static_cast<double>(CObject::objects.size());
    state.counters["islanders"] = static_cast<double>(CPerson::people.size());
    CController::focus = nullptr;
    delete game;
}
BENCHMARK(GameScreenBusiestFrameScrolling)->Unit(benchmark::kMillisecond)->Iterations(600);

}  // namespace
