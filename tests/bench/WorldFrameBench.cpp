// One world frame of the playable island and the island map's picture.
// The frame is what the game runs every 33 ms besides drawing: every world
// object's pump, then the island's own moving parts (rain and thunder, the
// chooser's step, clouds, coast waves and froth), with about 400 objects, 40
// coast waves and a thunderstorm. Between frames, untimed, the renderer
// draws, so that the sprites animate as they do in the game. Run headless:
// `build/tests/bench/bench --benchmark_filter=World|MiniMap`.
#include "CController.h"
#include "CDraw.h"
#include "CInput.h"
#include "CMap.h"
#include "CObject.h"
#include "CPerson.h"
#include "tests/islanders/IslanderRecords.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "GameResources.h"
#include "IslandSeeds.h"
#include "TempFolder.h"
#include "Utilities.h"
#include "BenchServices.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int kObjects = 400;
constexpr int kWaves = 40;

// The playable island of a fixed seed with its rain, waves and objects.
struct World {
    World()
    {
        EnsureBenchServices();
        // The waves move only with the visual effects on, whatever an earlier
        // benchmark of the run chose.
        CProfile::current->SetValue<bool>(7, true);
        island = BenchIsland(kFixedIslandSeeds[0]);

        // More waves out on the open sea, each heading for the island's middle.
        InitRandom(1);
        while (static_cast<int>(island->waves.size()) < kWaves) {
            const int x = RangedRandom(200, 3700);
            const int y = RangedRandom(200, 3700);
            if (island->GetHeight(x + 96, y + 96) < 1000) {
                island->AddWave(static_cast<float>(x), static_cast<float>(y),
                                std::atan2(1952.0f - static_cast<float>(x), static_cast<float>(y) - 1952.0f), 0, 0, 0,
                                0);
            }
        }
        // Islanders stand in for the rest of the island's life.
        while (CObject::objects.size() < static_cast<size_t>(kObjects)) {
            {
                const int x = RangedRandom(0, 3900);
                const int y = RangedRandom(0, 3900);
                new CPerson(IslanderRecord(x, y, RangedRandom(0, 50) * 172800));
            }
        }
        CProfile::current->SetValue<bool>(1006, true);
        island->SetRain(true, 1);
        for (int frame = 0; frame < 300; frame++) {
            Frame();
            Draw();
        }
    }

    ~World()
    {
        island.reset();
        CObject::UnloadAll();
    }

    void Frame()
    {
        CObject::MoveObjects(island->offsetX, island->offsetY, 1);
        island->MoveRain();
        island->RenderMapToScreen();
        island->MoveClouds();
        island->PumpSea();
        // The rain never ends while it is measured.
        island->rainFramesLeft = 1000;
    }

    static void Draw()
    {
        if (CSprite::renderer) {
            CSprite::renderer->Render(true);
        }
    }

    BenchIslandPtr island;
};

}  // namespace

static void BM_WorldFrame(benchmark::State& state)
{
    World world;
    for (auto _ : state) {
        world.Frame();
        state.PauseTiming();
        World::Draw();
        state.ResumeTiming();
    }
    state.counters["objects"] = static_cast<double>(CObject::objects.size());
    state.counters["waves"] = static_cast<double>(world.island->waves.size());
}
BENCHMARK(BM_WorldFrame)->Iterations(600)->Unit(benchmark::kMillisecond);

static void BM_MiniMap(benchmark::State& state)
{
    World world;
    for (auto _ : state) {
        const int picture = world.island->GetMiniMap();
        CSprite::draw->RemoveImage(picture);
    }
}
BENCHMARK(BM_MiniMap)->Iterations(10)->Unit(benchmark::kMillisecond);
