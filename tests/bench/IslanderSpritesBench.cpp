// Speed of building islanders' pictures: one adult with every garment
// painted in its colours, a new band of seven, and loading a saved band of
// fifty; and the memory one adult's pictures take. The garment masks are
// preloaded once, as at start-up.
#include "BenchServices.h"
#include "CDraw.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CSprite.h"
#include "Utilities.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>

namespace {

void ClearBand()
{
    while (!CPerson::people.empty()) {
        delete CPerson::people.back();
    }
}

struct garments_preloaded {
    garments_preloaded()
    {
        EnsureBenchServices();
        ClearBand();
        if (CPerson::preloadedClothes.empty()) {
            CPerson::PreLoadClothes();
        }
        InitRandom(23u);
    }
    ~garments_preloaded() { ClearBenchWorld(); }
};

person_data AdultRecord(int id)
{
    person_data record;
    memset(&record, 0, sizeof record);
    record.id = id;
    record.energy = record.food = 10000;
    record.x = record.y = 1000.0f;
    record.age = record.actualAge = (14 + id % 60) * 172800;
    record.gender = id % 2;
    record.nameId = 7000 + id;
    record.topStyle = id % 3;
    record.bottomStyle = (id + 1) % 3;
    record.topColour = RGBA_data{200, 120, 80, 255};
    record.bottomColour = RGBA_data{60, 90, 140, 255};
    return record;
}

// Bytes of the islander's own pictures: its painted garments. Every other
// picture is an archive image shared by all islanders.
size_t GarmentBytes(CPerson& person)
{
    size_t bytes = 0;
    for (const direction_set* set : {&person.topStand, &person.bottomStand, &person.topWalk, &person.bottomWalk,
                                     &person.topCarry, &person.bottomCarry, &person.topHack, &person.bottomHack,
                                     &person.topHoe, &person.bottomHoe}) {
        for (const direction_entry& entry : set->entry) {
            for (int i = 0; entry.sprite && i < entry.sprite->GetNumImages(); i++) {
                SDL_Surface* surface = CSprite::draw->GetSurface(entry.sprite->GetImage(i));
                bytes += static_cast<size_t>(surface->pitch) * static_cast<size_t>(surface->h);
            }
        }
    }
    return bytes;
}

}  // namespace

static void BM_ConstructOneAdultWithItsGarmentColours(benchmark::State& state)
{
    garments_preloaded preloaded;
    const person_data record = AdultRecord(1);
    // A second islander keeps the shared pictures decoded, as on an island.
    CPerson* other = new CPerson(AdultRecord(3));
    for (auto _ : state) {
        delete new CPerson(record);
    }
    delete other;
}
BENCHMARK(BM_ConstructOneAdultWithItsGarmentColours)->Unit(benchmark::kMillisecond);

static void BM_StartANewBandOfSeven(benchmark::State& state)
{
    garments_preloaded preloaded;
    for (auto _ : state) {
        CPerson::StartWithNewPeople();
    }
}
BENCHMARK(BM_StartANewBandOfSeven)->Unit(benchmark::kMillisecond);

static void BM_LoadABandOfFiftyWithSprites(benchmark::State& state)
{
    garments_preloaded preloaded;
    for (int id = 1; id <= 50; id++) {
        new CPerson(AdultRecord(id));
    }
    CPerson::SavePeople();
    ClearBand();
    for (auto _ : state) {
        CPerson::LoadPeople();
        state.PauseTiming();
        ClearBand();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadABandOfFiftyWithSprites)->Unit(benchmark::kMillisecond);

static void BM_MemoryOfOneAdultsPictures(benchmark::State& state)
{
    garments_preloaded preloaded;
    for (auto _ : state) {
        CPerson* adult = new CPerson(AdultRecord(3));
        state.counters["MB_per_adult"] = static_cast<double>(GarmentBytes(*adult)) / (1024.0 * 1024.0);
        delete adult;
    }
}
BENCHMARK(BM_MemoryOfOneAdultsPictures)->Unit(benchmark::kMillisecond)->Iterations(1);
