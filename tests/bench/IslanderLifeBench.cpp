// Ten minutes of island life left alone: 18,000 world passes of a band of 7,
// 20 or 50 islanders of every age, some set to work, some idle, some low on
// sleep or food, one baby and one kid about to grow, one elder near a
// birthday. Records only, no drawing. Reports the mean, the 99th percentile
// and the worst pass, with what the worst pass did.
#include "BenchServices.h"
#include "CControllerGame.h"
#include "CObject.h"
#include "CPerson.h"
#include "CPersonMovement.h"
#include "CResources.h"
#include "CSprite.h"
#include "CTombstone.h"
#include "Utilities.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

namespace {

constexpr int kYear = 172800;
constexpr int kSoakFrames = 18000;

struct quiet_island {
    quiet_island()
    {
        EnsureBenchServices();
        draw = CSprite::draw;
        // The stock draws its piles when it is first made: made here, while
        // there is still a drawing context.
        CControllerGame::Resources();
        CSprite::draw = nullptr;
        Clear();
        CObject::obstructions.clear();
        CPersonMovement::GeneratePathMap();
        for (auto& column : CPersonMovement::pathMap) {
            for (pathnode& node : column) {
                node.cost = 1.0f;
            }
        }
        CPerson::InitTaskQueue();
        InitRandom(23u);
    }
    ~quiet_island()
    {
        Clear();
        CSprite::draw = draw;
        ClearBenchWorld();
    }
    static void Clear()
    {
        while (!CPerson::people.empty()) {
            delete CPerson::people.back();
        }
        while (!CTombstone::tombstones.empty()) {
            delete CTombstone::tombstones.back();
        }
        CPersonMovement::whoIsMoving = nullptr;
    }
    CDraw* draw;
};

CPerson* Islander(int id, int ageTicks)
{
    person_data record;
    memset(&record, 0, sizeof record);
    record.id = id;
    record.gender = id % 2;
    record.nameId = (id % 2 ? 7500 : 7000) + id % 100;
    record.x = static_cast<float>(RangedRandom(300, 3500));
    record.y = static_cast<float>(RangedRandom(300, 3500));
    record.age = record.actualAge = ageTicks;
    record.energy = RangedRandom(1500, 10000);
    record.food = RangedRandom(1500, 10000);
    record.motherId = id > 2 && id % 5 == 0 ? 2 : 0;
    CPerson* person = new CPerson(record);
    person->stageAge = ageTicks / kYear;
    person->UnHide();
    return person;
}

void MakeBand(int size)
{
    Islander(1, 3 * kYear - 2000)->stageAge = 0;  // grows to a kid
    Islander(2, 14 * kYear - 4000);              // grows up
    Islander(3, 70 * kYear - 6000);              // a birthday in old age
    for (int id = 4; id <= size; id++) {
        const int years = id % 7 == 0 ? RangedRandom(0, 2) : id % 5 == 0 ? RangedRandom(3, 13) : RangedRandom(14, 70);
        CPerson* person = Islander(id, years * kYear + RangedRandom(0, kYear - 1));
        if (id % 2 == 0) {
            person->PermitTask(2, true);  // set to work
            person->PermitTask(4, true);
        }
    }
}

void Soak(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    double mean = 0.0, p99 = 0.0, worst = 0.0;
    int worstFrame = -1, worstStarts = 0, worstDeaths = 0;
    for (auto _ : state) {
        state.PauseTiming();
        quiet_island island;
        MakeBand(size);
        std::vector<double> frames;
        frames.reserve(kSoakFrames);
        std::vector<int> tasksBefore;
        state.ResumeTiming();
        for (int frame = 0; frame < kSoakFrames; frame++) {
            tasksBefore.clear();
            for (CPerson* person : CPerson::people) {
                tasksBefore.push_back(person->GetCurrentTask());
            }
            const size_t gravesBefore = CTombstone::tombstones.size();
            const auto start = std::chrono::steady_clock::now();
            CObject::MoveObjects(-1200, -1200, 1);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            frames.push_back(ms);
            if (ms > worst) {
                worst = ms;
                worstFrame = frame;
                worstStarts = 0;
                for (size_t i = 0; i < CPerson::people.size() && i < tasksBefore.size(); i++) {
                    worstStarts += tasksBefore[i] == 0 && CPerson::people[i]->GetCurrentTask() != 0;
                }
                worstDeaths = static_cast<int>(CTombstone::tombstones.size() - gravesBefore);
            }
        }
        state.PauseTiming();
        for (double ms : frames) {
            mean += ms;
        }
        mean /= frames.size();
        std::sort(frames.begin(), frames.end());
        p99 = frames[frames.size() * 99 / 100];
        state.counters["living_at_end"] = CPerson::NumPeople();
        state.counters["walking_at_end"] = static_cast<double>(std::count_if(
            CPerson::people.begin(), CPerson::people.end(), [](CPerson* p) { return p->GetCurrentTask() == 1; }));
        state.counters["busy_at_end"] = static_cast<double>(std::count_if(
            CPerson::people.begin(), CPerson::people.end(), [](CPerson* p) { return p->GetCurrentTask() > 1; }));
        state.ResumeTiming();
    }
    state.counters["mean_ms"] = mean;
    state.counters["p99_ms"] = p99;
    state.counters["worst_ms"] = worst;
    state.counters["worst_frame"] = worstFrame;
    state.counters["worst_frame_tasks_started"] = worstStarts;
    state.counters["worst_frame_deaths"] = worstDeaths;
}

}  // namespace

static void BM_TenMinutesOfIslandLife(benchmark::State& state)
{
    Soak(state);
}
BENCHMARK(BM_TenMinutesOfIslandLife)->Arg(7)->Arg(20)->Arg(50)->Iterations(1)->Unit(benchmark::kMillisecond);
