// Saving and loading a band of 50 islanders into the profile store, records
// only: the drawing context is taken away while the band is built, so no
// islander makes a sprite. Run headless: `build/tests/bench/bench`.
#include "BenchServices.h"
#include "CControllerGame.h"
#include "CObject.h"
#include "CPerson.h"
#include "CSprite.h"
#include "Utilities.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kBand = 50;

void MakeBand()
{
    InitRandom(50);
    while (!CPerson::people.empty()) {
        delete CPerson::people.back();
    }
    CPerson::InitTaskQueue();
    for (int i = 0; i < kBand; i++) {
        CPerson::NewPerson(-1, -1, nullptr, false, false, 0);
    }
    CPerson::craftQueue.assign(5, craft_data{1, 1, 2, {1, 2, 3, 255}, {4, 5, 6, 255}, 0, 50});
}

void ClearBand()
{
    while (!CPerson::people.empty()) {
        delete CPerson::people.back();
    }
}

}  // namespace

static void BM_SavePeople(benchmark::State& state)
{
    EnsureBenchServices();
    BenchNoSprites noSprites;
    MakeBand();
    for (auto _ : state) {
        CPerson::SavePeople();
    }
    state.counters["islanders"] = static_cast<double>(CPerson::people.size());
    ClearBand();
}
BENCHMARK(BM_SavePeople)->Unit(benchmark::kMicrosecond);

static void BM_LoadPeople(benchmark::State& state)
{
    EnsureBenchServices();
    BenchNoSprites noSprites;
    MakeBand();
    CPerson::SavePeople();
    for (auto _ : state) {
        CPerson::LoadPeople();
    }
    state.counters["islanders"] = static_cast<double>(CPerson::people.size());
    ClearBand();
}
BENCHMARK(BM_LoadPeople)->Unit(benchmark::kMicrosecond);
