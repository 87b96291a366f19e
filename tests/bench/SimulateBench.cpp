// Time away: one bulk step of a busy island (20 islanders, 20 saplings, 5
// gardens, its fish and 30 marked trees), a day and a week away at factor 1,
// and the 900 catch-up frames that follow with 20 and 50 islanders, and a
// band of fifty kept fed and rested through a day and a week (aims: 1 s and
// 5 s). The stops that end a run early are spent first, so every run plays in
// full. Run headless: `build/tests/bench --benchmark_filter=Simulate`.
#include "BenchServices.h"
#include "CController.h"
#include "CControllerGame.h"
#include "CFarm.h"
#include "CHut.h"
#include "CMap.h"
#include "CObject.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CResources.h"
#include "CTree.h"
#include "CTreeIndicator.h"
#include "FedBand.h"
#include "IslandSeeds.h"
#include "Utilities.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr int kStep = 9000;
constexpr int kDay = 24 * 3600 * 30;

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atol(line.c_str() + strlen("VmRSS:"));
        }
    }
    return -1;
}

// The game screen on a fixed island with its band grown to size, work marked
// and every early stop already spent.
struct busy_island {
    explicit busy_island(int islanders, bool fed = false)
    {
        EnsureBenchServices();
        CProfile::current->SetValue<bool>(7, false);
        CObject::UnloadAll();
        CObject::obstructions.clear();
        CMap::mysteriousObjectsLoaded = false;
        CMap* island = new CMap(false);
        island->CreateMap(kFixedIslandSeeds[2], -1, -1, false, true, false);
        CProfile::current->SetValue<long>(33, 0);
        for (int stop = 71; stop <= 73; stop++) {
            CProfile::current->SetValue<bool>(stop, true);
        }
        game = new CControllerGame(true, false);
        game->hasFocus = true;
        CController::focus = game;
        if (fed) {
            SettleFedBand(*island, islanders, 53u);
            return;
        }
        InitRandom(31u);
        const int sx = island->GetStartX(), sy = island->GetStartY();
        while (static_cast<int>(CPerson::people.size()) < islanders) {
            // One draw a statement, in the order the measured band was drawn.
            const int years = RangedRandom(14, 50);
            const bool male = RangedRandom(0, 1) == 0;
            const int y = sy + RangedRandom(-200, 200);
            const int x = sx + RangedRandom(-200, 200);
            CPerson::NewPerson(x, y, nullptr, true, male, years);
        }
        for (size_t i = 0; i < island->trees.size() && CTree::choppable.size() < 30; i++) {
            island->trees[i]->DroppedOn();
        }
        for (int i = 0; i < 20; i++) {
            auto* marker = new CTreeIndicator(sx - 600 + (i % 10) * 60, sy + 400 + (i / 10) * 80, false, -1, false);
            CTreeIndicator::treeIndicator.push_back(marker);
            if (i % 2) {
                CTreeIndicator::GrowTree(marker);
            }
        }
        for (int i = 0; i < 5; i++) {
            (new CFarm(sx + 500 + i * 150, sy + 500))->FinishNow();
        }
        (new CHut(sx + 400, sy - 300, 0))->FinishNow();
        CControllerGame::Resources()->AddFood(40, 0);
        CControllerGame::Resources()->AddWood(20);
    }
    ~busy_island()
    {
        CController::focus = nullptr;
        delete game;
        ClearBenchWorld();
    }
    CControllerGame* game;
};

void BM_SimulateOneStep(benchmark::State& state)
{
    busy_island island(20);
    for (auto _ : state) {
        CPerson::Simulate(kStep);
    }
    state.counters["islanders"] = static_cast<double>(CPerson::people.size());
}
BENCHMARK(BM_SimulateOneStep)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_SimulateDaysAway(benchmark::State& state)
{
    busy_island island(20);
    for (auto _ : state) {
        CPerson::Simulate(static_cast<int>(state.range(0)) * kDay);
    }
    state.counters["rss_kb"] = static_cast<double>(ResidentKilobytes());
    state.counters["islanders_left"] = static_cast<double>(CPerson::people.size());
}
BENCHMARK(BM_SimulateDaysAway)->Arg(1)->Arg(7)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SimulateFedBandAway(benchmark::State& state)
{
    busy_island island(50, true);
    for (auto _ : state) {
        CPerson::Simulate(static_cast<int>(state.range(0)) * kDay);
    }
    state.counters["islanders_left"] = static_cast<double>(CPerson::people.size());
}
BENCHMARK(BM_SimulateFedBandAway)->Arg(1)->Arg(7)->Arg(30)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SimulateCatchUpFrames(benchmark::State& state)
{
    busy_island island(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        island.game->catchUpFrames = 900;
        island.game->Pump();
    }
}
BENCHMARK(BM_SimulateCatchUpFrames)->Arg(20)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
