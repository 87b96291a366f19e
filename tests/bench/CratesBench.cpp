// Making the first crate of a game (its thousand sea searches, its sprite and
// its contents) and a mushroom or a relic with its own ground search and its
// faded pictures, on the playable island of a fixed seed. Run headless:
// `build/tests/bench --benchmark_filter=Crates`.
#include "BenchServices.h"
#include "CCrateBarrel.h"
#include "CMap.h"
#include "CMushroom.h"
#include "CObject.h"
#include "CRelic.h"
#include "IslandSeeds.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Beach {
    Beach()
    {
        island = BenchIsland(kFixedIslandSeeds[0]);
    }

    ~Beach()
    {
        island.reset();
        CObject::UnloadAll();
    }

    BenchIslandPtr island;
};

}  // namespace

static void BM_CratesFirstCrate(benchmark::State& state)
{
    Beach beach;
    for (auto _ : state) {
        CCrateBarrel* crate = new CCrateBarrel(-1, -1, true, false);
        state.PauseTiming();
        delete crate;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CratesFirstCrate)->Iterations(20)->Unit(benchmark::kMillisecond);

static void BM_CratesMushroom(benchmark::State& state)
{
    Beach beach;
    for (auto _ : state) {
        CMushroom* mushroom = new CMushroom(-1, -1);
        state.PauseTiming();
        delete mushroom;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CratesMushroom)->Iterations(200)->Unit(benchmark::kMicrosecond);

static void BM_CratesRelic(benchmark::State& state)
{
    Beach beach;
    for (auto _ : state) {
        CRelic* relic = new CRelic(-1, -1);
        state.PauseTiming();
        delete relic;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CratesRelic)->Iterations(200)->Unit(benchmark::kMicrosecond);
