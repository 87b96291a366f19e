// The garden's and the fireplace's share of the game: a whole garden cycle
// of 7,000 growth frames as the bulk simulation runs them, and a world frame
// (no drawing) with 30 buildings of every kind, five fireplaces burning and
// five gardens growing. Run headless:
// `build/tests/bench/bench --benchmark_filter=GardenFire`.
#include "BenchServices.h"
#include "CBoat.h"
#include "CBuilding.h"
#include "CControllerGame.h"
#include "CFarm.h"
#include "CFireplace.h"
#include "CMap.h"
#include "CObject.h"
#include "CResources.h"
#include "CShipyard.h"
#include "CStorehouseFood.h"
#include "CStorehouseRock.h"
#include "CStorehouseWood.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kOffsetX = -800, kOffsetY = -700;

struct Island {
    Island()
    {
        EnsureBenchServices();
        CObject::UnloadAll();
        CObject::obstructions.clear();
        island = std::make_unique<CMap>(false);
        island->playable = true;
        island->offsetX = kOffsetX;
        island->offsetY = kOffsetY;
        CControllerGame::Resources()->AddWood(100);
    }
    ~Island()
    {
        island.reset();
        ClearBenchWorld();
    }

    std::unique_ptr<CMap> island;
};

void BM_GardenFireGardenCycle(benchmark::State& state)
{
    Island camp;
    for (auto _ : state) {
        state.PauseTiming();
        CFarm* farm = new CFarm(1500, 1500);
        farm->AddPoints(CFarm::PLANTED);
        state.ResumeTiming();
        for (int frame = 0; frame < CFarm::FULL_GROWTH; frame++) {
            farm->Grow();
        }
        benchmark::DoNotOptimize(farm->GetGrowth());
        state.PauseTiming();
        delete farm;
        state.ResumeTiming();
    }
}
// A new garden costs far more to make than a cycle takes, and the runner
// sizes its runs by the timed part alone: a fixed count keeps the run short.
BENCHMARK(BM_GardenFireGardenCycle)->Iterations(100)->Unit(benchmark::kMillisecond);

void BM_GardenFireWorldFrame(benchmark::State& state)
{
    Island camp;
    for (int i = 0; i < 30; i++) {
        const int x = 600 + 700 * (i % 6), y = 1400 + 500 * (i / 6);
        CBuilding* building = nullptr;
        switch (i % 6) {
        case 0: building = new CFireplace(x, y); break;
        case 1: building = new CFarm(x, y); break;
        case 2: building = new CShipyard(x, y); break;
        case 3: building = new CBoat(x, y, i % 2 ? CBoat::LEFT : CBoat::RIGHT); break;
        case 4: building = new CStorehouseFood(x, y); break;
        default: building = i % 2 ? static_cast<CBuilding*>(new CStorehouseRock(x, y)) : new CStorehouseWood(x, y);
        }
        building->FinishNow();
        if (i % 6 == 1) {
            static_cast<CFarm*>(building)->AddPoints(CFarm::PLANTED);
        }
    }
    for (auto _ : state) {
        CObject::MoveObjects(kOffsetX, kOffsetY, 1);
    }
}
BENCHMARK(BM_GardenFireWorldFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
