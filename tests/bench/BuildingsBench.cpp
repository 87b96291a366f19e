// The buildings' share of a game frame and of loading: a world frame with 30
// buildings and a ghost (no drawing), the placement test among 600
// obstructions, making the 23 ghosts at start-up, and loading 30
// storehouses. Run headless: `build/tests/bench/bench --benchmark_filter=Buildings`.
#include "BenchServices.h"
#include "CBuilding.h"
#include "CControllerGame.h"
#include "CInput.h"
#include "CMap.h"
#include "CObject.h"
#include "CProfile.h"
#include "CResources.h"
#include "CStorehouseFood.h"
#include "CStorehouseRock.h"
#include "CStorehouseWood.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kOffsetX = -800, kOffsetY = -700;

// A bare playable island of open grass with the camp's piles, the ghosts
// made and 30 storehouses at every stage.
struct Camp {
    Camp()
    {
        EnsureBenchServices();
        CObject::UnloadAll();
        CObject::obstructions.clear();
        island = std::make_unique<CMap>(false);
        LayOpenGrass(*island, kOffsetX, kOffsetY);
        for (int pile = 0; pile < 3; pile++) {
            CControllerGame::Resources()->SetPileCoordinates(pile, 1000 + 150 * pile, 1000);
        }
        CBuilding::InitSprites();
        for (int i = 0; i < 30; i++) {
            const int x = 600 + 300 * (i % 6), y = 1400 + 350 * (i / 6);
            CBuilding* store = i % 3 == 0   ? static_cast<CBuilding*>(new CStorehouseFood(x, y))
                               : i % 3 == 1 ? static_cast<CBuilding*>(new CStorehouseRock(x, y))
                                            : static_cast<CBuilding*>(new CStorehouseWood(x, y));
            store->Build(i * 1500);
            store->AddResource(i * 4, 0);
            store->AddResource(i * 4, 1);
        }
    }
    ~Camp()
    {
        CObject::placingBuilding = -1;
        CObject::UnloadAll();
        CObject::obstructions.clear();
        CBuilding::DeleteSprites();
        island.reset();
        ClearBenchWorld();
    }

    std::unique_ptr<CMap> island;
};

void MouseAtWorld(int x, int y)
{
    CController::input->mouseX = x + kOffsetX;
    CController::input->mouseY = y + kOffsetY;
}

void BM_BuildingsWorldFrame(benchmark::State& state)
{
    Camp camp;
    CObject::placingBuilding = 3;
    MouseAtWorld(3000, 3000);
    for (auto _ : state) {
        CObject::MoveObjects(kOffsetX, kOffsetY, 1);
    }
}
BENCHMARK(BM_BuildingsWorldFrame)->Unit(benchmark::kMicrosecond);

void BM_BuildingsPlacementTest(benchmark::State& state)
{
    Camp camp;
    for (int i = static_cast<int>(CObject::obstructions.size()); i < 600; i++) {
        CObject::obstructions.push_back(obstruction_type{(i * 97) % 3500, 100 + (i * 31) % 1200, 40, 30, nullptr, false});
    }
    CObject::placingBuilding = 4;
    MouseAtWorld(3000, 3000);
    for (auto _ : state) {
        CBuilding::HandleBuildingPlacement();
    }
}
BENCHMARK(BM_BuildingsPlacementTest)->Unit(benchmark::kMicrosecond);

void BM_BuildingsInitSprites(benchmark::State& state)
{
    EnsureBenchServices();
    for (auto _ : state) {
        CBuilding::InitSprites();
        state.PauseTiming();
        CBuilding::DeleteSprites();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildingsInitSprites)->Unit(benchmark::kMillisecond);

void BM_BuildingsLoad(benchmark::State& state)
{
    Camp camp;
    CBuilding::SaveBuildings();
    for (auto _ : state) {
        CBuilding::LoadBuildings();
    }
}
BENCHMARK(BM_BuildingsLoad)->Unit(benchmark::kMillisecond);

}  // namespace
