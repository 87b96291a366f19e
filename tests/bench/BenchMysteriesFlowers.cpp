// Painting one flower marker among 300 markers and 5,000 planted flowers (the
// spray paints every frame), and testing the flower mystery's pattern after a
// planting with 5,000 flowers on the island. Run headless:
// `build/tests/bench --benchmark_filter=Flower`.
#include "BenchServices.h"
#include "CController.h"
#include "CFlowerIndicator.h"
#include "CInput.h"
#include "CMap.h"
#include "CMysteriousObject.h"
#include "CObject.h"
#include "IslandSeeds.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Meadow {
    explicit Meadow(int markers)
    {
        island = BenchIsland(kFixedIslandSeeds[0]);
        // Far from the start, where no pattern is asked for.
        for (int i = static_cast<int>(island->flowers.size()); i < 5000; i++) {
            flower_data flower{};
            flower.x = 200 + (i % 100) * 20;
            flower.y = 2600 + (i / 100) * 20;
            flower.colour = i % 7;
            island->flowers.push_back(flower);
        }
        for (int i = 0; i < markers; i++) {
            CFlowerIndicator::flowerIndicator.push_back(
                new CFlowerIndicator(200 + (i % 30) * 20, 1000 + (i / 30) * 20, i % 7, false));
        }
    }

    ~Meadow()
    {
        island.reset();
        CObject::UnloadAll();
        CFlowerIndicator::placingFlowers = -1;
        CFlowerIndicator::lmbDown = false;
    }

    BenchIslandPtr island;
};

}  // namespace

static void BM_FlowerMarkerPainting(benchmark::State& state)
{
    Meadow meadow(300);
    CMap& island = *meadow.island;
    island.CenterScreen(island.GetStartX(), island.GetStartY(), false, false, false);
    CFlowerIndicator::PlaceFlowers(2);
    CFlowerIndicator::lmbDown = true;
    CController::input->mouseX = 322 + 150;
    CController::input->mouseY = 280 + 150;
    for (auto _ : state) {
        CFlowerIndicator::MouseMove();
        state.PauseTiming();
        if (CFlowerIndicator::flowerIndicator.size() > 300) {
            delete CFlowerIndicator::flowerIndicator.back();
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FlowerMarkerPainting)->Iterations(2000)->Unit(benchmark::kMicrosecond);

static void BM_FlowerPatternTest(benchmark::State& state)
{
    Meadow meadow(0);
    CMysteriousObject* mystery = new CMysteriousObject(meadow.island->GetStartX(), meadow.island->GetStartY(), 2);
    for (auto _ : state) {
        CMysteriousObject::FlowerPlaced();
    }
    delete mystery;
}
BENCHMARK(BM_FlowerPatternTest)->Iterations(2000)->Unit(benchmark::kMicrosecond);
