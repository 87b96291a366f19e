// Speed of islanders walking: a reachability check 200 px across open land,
// the search for a free spot nearby in a crowd, and one world pass of a band
// of fifty all on the move. Records only: the drawing context is taken away
// while the islanders are made, so none of them makes a sprite.
#include "BenchServices.h"
#include "CControllerGame.h"
#include "CObject.h"
#include "CPerson.h"
#include "CPersonMovement.h"
#include "CSprite.h"
#include "Utilities.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstring>

namespace {

// Open land: a fresh walk grid, nothing in the way, an empty band.
struct open_land {
    open_land()
    {
        EnsureBenchServices();
        ClearBand();
        CObject::obstructions.clear();
        CPersonMovement::GeneratePathMap();
        for (auto& column : CPersonMovement::pathMap) {
            for (pathnode& node : column) {
                node.cost = 1.0f;
            }
        }
        CPersonMovement::whoIsMoving = nullptr;
        InitRandom(19u);
    }
    ~open_land()
    {
        ClearBand();
        CPersonMovement::whoIsMoving = nullptr;
    }
    static void ClearBand()
    {
        while (!CPerson::people.empty()) {
            delete CPerson::people.back();
        }
    }
    BenchNoSprites noSprites;
};

CPerson* AdultAt(int x, int y, int id)
{
    person_data record;
    memset(&record, 0, sizeof record);
    record.id = id;
    record.energy = record.food = 10000;
    record.x = static_cast<float>(x);
    record.y = static_cast<float>(y);
    record.age = record.actualAge = 30 * 172800;
    record.gender = id % 2;
    record.nameId = 7000 + id;
    CPerson* person = new CPerson(record);
    person->UnHide();
    return person;
}

}  // namespace

static void BM_CanWeMoveTo200PxOnOpenLand(benchmark::State& state)
{
    open_land land;
    CPerson* person = AdultAt(1900, 1900, 1);
    int angle = 0;
    for (auto _ : state) {
        // A checked target counts towards its failures and soon answers
        // without a search: every walker checks each target once.
        if (++angle == 360) {
            state.PauseTiming();
            angle = 0;
            delete person;
            person = AdultAt(1900, 1900, 1);
            state.ResumeTiming();
        }
        const float a = angle * 0.0174533f;
        const int x = Round(person->data.x + 13.0f + 200.0f * std::sin(a));
        const int y = Round(person->data.y + 32.0f - 200.0f * std::cos(a));
        benchmark::DoNotOptimize(person->CanWeMoveTo(x, y));
    }
}
BENCHMARK(BM_CanWeMoveTo200PxOnOpenLand)->Unit(benchmark::kMicrosecond);

static void BM_WalkNearbyInACrowdOfTen(benchmark::State& state)
{
    open_land land;
    for (int i = 0; i < 10; i++) {
        AdultAt(1800 + (i % 5) * 30, 1800 + (i / 5) * 30, i + 1);
    }
    CPerson* person = CPerson::people[2];
    double worst = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(person->WalkNearby(200, -1));
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        worst = ms > worst ? ms : worst;
        person->EndTask(false);
        person->movement->StopMovement();
        CPersonMovement::whoIsMoving = nullptr;
    }
    state.counters["worst_ms"] = worst;
}
BENCHMARK(BM_WalkNearbyInACrowdOfTen)->Unit(benchmark::kMicrosecond);

static void BM_WorldPassOfFiftyWalking(benchmark::State& state)
{
    open_land land;
    for (int i = 0; i < 50; i++) {
        // One draw a statement, y first as the measured band was placed.
        const int y = RangedRandom(300, 3500);
        const int x = RangedRandom(300, 3500);
        AdultAt(x, y, i + 1);
    }
    auto sendOff = [](CPerson* person) {
        person->ChangeTask(1);
        const int y = RangedRandom(300, 3500);
        const int x = RangedRandom(300, 3500);
        person->SetSubTask(1, x, y);
    };
    for (CPerson* person : CPerson::people) {
        person->spacingDelay = 1 << 30;
        sendOff(person);
    }
    for (auto _ : state) {
        CObject::MoveObjects(0, 0, 1);
        state.PauseTiming();
        for (CPerson* person : CPerson::people) {
            if (person->GetCurrentTask() == 0) {
                sendOff(person);
            }
        }
        state.ResumeTiming();
    }
    int stepping = 0;
    for (CPerson* person : CPerson::people) {
        stepping += person->movement->CurrentlyMoving();
    }
    state.counters["stepping"] = stepping;
}
BENCHMARK(BM_WorldPassOfFiftyWalking)->Unit(benchmark::kMicrosecond);
