// Dust heaps: making one (the landing search and its 20 faded copies) on a
// real playable island, and one game frame of 30 heaps, half falling and half
// lying with their glitter, without drawing. Run headless:
// `build/tests/bench --benchmark_filter=Dust`.
#include "BenchServices.h"
#include "CControllerGame.h"
#include "CDust.h"
#include "CMap.h"
#include "CObject.h"
#include "CProfile.h"
#include "CSound.h"
#include "IslandSeeds.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kHeaps = 30;

struct DustIsland {
    DustIsland()
    {
        EnsureBenchServices();
        CProfile::current->SetValue<bool>(7, true);
        CControllerGame::lastDustPickup = 0;
        island = BenchIsland(kFixedIslandSeeds[0]);
    }

    ~DustIsland()
    {
        island.reset();
        CObject::UnloadAll();
        delete CDust::sndObservatory;
        CDust::sndObservatory = nullptr;
    }

    BenchIslandPtr island;
};

}  // namespace

static void BM_DustHeapMade(benchmark::State& state)
{
    DustIsland scene;
    for (auto _ : state) {
        CDust* heap = new CDust(true, -1, -1, 0);
        benchmark::DoNotOptimize(heap->destX);
        delete heap;
    }
}
BENCHMARK(BM_DustHeapMade)->Unit(benchmark::kMillisecond);

static void BM_DustFrameOfThirtyHeaps(benchmark::State& state)
{
    DustIsland scene;
    const int startX = scene.island->GetStartX(), startY = scene.island->GetStartY();
    struct falling {
        CDust* heap;
        float x, height;
    };
    std::vector<CDust*> heaps;
    std::vector<falling> fallers;
    for (int i = 0; i < kHeaps; i++) {
        CDust* heap = new CDust(i % 2 == 0, startX - 300 + 20 * i, startY + 10 * (i % 7), 0);
        heap->UnHide();
        heaps.push_back(heap);
        if (i % 2 == 0) {
            while (heap->height > 0.0f) {
                heap->Pump(0, 0, 1);
            }
        } else {
            while (heap->height > static_cast<float>(100 + 10 * i)) {
                heap->Pump(0, 0, 1);
            }
            fallers.push_back({heap, heap->x, heap->height});
        }
    }
    const int offsetX = scene.island->offsetX, offsetY = scene.island->offsetY;
    int frames = 0;
    for (auto _ : state) {
        for (CDust* heap : heaps) {
            heap->Pump(offsetX, offsetY, 1);
        }
        // The falling half starts its last stretch again before it lands.
        if (++frames == 10) {
            frames = 0;
            for (falling& f : fallers) {
                f.heap->x = f.x;
                f.heap->height = f.height;
            }
        }
    }
}
BENCHMARK(BM_DustFrameOfThirtyHeaps)->Unit(benchmark::kMicrosecond);
