// Speed of the walk grid and the path search on an island strewn with
// obstructions: a long route, a search that fails after its 2,000 nodes, the
// grid re-tests and one collision test.
#include "CObject.h"
#include "CPersonMovement.h"
#include "Utilities.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

class BenchOwner : public CObject {
public:
    void Hide() override {}
    void UnHide() override {}
    void Pump(int, int, int) override {}
    void Rollover(bool) override {}
};

constexpr int kFromX = 150, kFromY = 150;
constexpr int kToX = 3650, kToY = 3600;

bool NearEnd(int x, int y)
{
    return GetDist(x, y, kFromX, kFromY) < 250.0f || GetDist(x, y, kToX, kToY) < 250.0f;
}

// A fresh grid of land and the given number of scattered obstructions, the
// size of trees, rocks and small buildings, kept clear of both route ends.
void BuildScene(BenchOwner& owner, int count)
{
    CObject::obstructions.clear();
    CPersonMovement::GeneratePathMap();
    for (auto& column : CPersonMovement::pathMap) {
        for (pathnode& node : column) {
            node.cost = 1.0f;
        }
    }
    InitRandom(7u);
    while (static_cast<int>(CObject::obstructions.size()) < count) {
        const int x = RangedRandom(0, 3850);
        const int y = RangedRandom(0, 3800);
        if (!NearEnd(x, y)) {
            // One draw a statement, the height first as the measured field was drawn.
            const int h = RangedRandom(10, 60);
            const int w = RangedRandom(10, 80);
            CObject::AddObstruction(x, y, w, h, &owner, false);
        }
    }
    CObject::InitPathMap();
}

struct scene {
    explicit scene(int count) { BuildScene(owner, count); }
    ~scene() { CObject::obstructions.clear(); }
    BenchOwner owner;
};

struct walker {
    walker(float x, float y) : x(x), y(y), movement(&this->x, &this->y, &vx, &vy, 2.0f, &owner) {}
    BenchOwner owner;
    float x, y, vx = 0.0f, vy = 0.0f;
    CPersonMovement movement;
};

void BM_LongRoute(benchmark::State& state)
{
    scene world(600);
    walker w(kFromX, kFromY);
    size_t waypoints = 0;
    for (auto _ : state) {
        w.movement.StopMovement();
        if (!w.movement.PathfindTo(kToX, kToY, false)) {
            state.SkipWithError("no route across the island");
            break;
        }
        waypoints = w.movement.Waypoints().size();
    }
    state.counters["expansions"] = w.movement.LastSearchExpansions();
    state.counters["waypoints"] = static_cast<double>(waypoints);
}
BENCHMARK(BM_LongRoute)->Unit(benchmark::kMillisecond);

void BM_FailingSearch(benchmark::State& state)
{
    scene world(600);
    // A closed ring around the target.
    BenchOwner ring;
    CObject::AddObstruction(kToX - 120, kToY - 120, 240, 40, &ring, false);
    CObject::AddObstruction(kToX - 120, kToY + 120, 240, 40, &ring, false);
    CObject::AddObstruction(kToX - 120, kToY - 80, 40, 200, &ring, false);
    CObject::AddObstruction(kToX + 80, kToY - 80, 40, 200, &ring, false);
    CObject::InitPathMap();
    int expansions = 0;
    for (auto _ : state) {
        // A fresh walker each time, so that failures never add up to a warp.
        walker w(kFromX, kFromY);
        if (w.movement.PathfindTo(kToX, kToY, false)) {
            state.SkipWithError("the ring has a gap");
            break;
        }
        expansions = w.movement.LastSearchExpansions();
    }
    state.counters["expansions"] = expansions;
}
BENCHMARK(BM_FailingSearch)->Unit(benchmark::kMillisecond);

void BM_InitPathMap(benchmark::State& state)
{
    scene world(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CObject::InitPathMap();
    }
}
BENCHMARK(BM_InitPathMap)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond);

void BM_AlterPathMapDueToObstruction(benchmark::State& state)
{
    scene world(static_cast<int>(state.range(0)));
    std::vector<obstruction_type> changes;
    for (int i = 0; i < 64; i++) {
        changes.push_back({RangedRandom(0, 3800), RangedRandom(0, 3700), 60, 40, nullptr, false});
    }
    size_t next = 0;
    for (auto _ : state) {
        const obstruction_type& rect = changes[next++ % changes.size()];
        CPersonMovement::AlterPathMapDueToObstruction(rect.x, rect.y, rect.w, rect.h);
    }
}
BENCHMARK(BM_AlterPathMapDueToObstruction)->Arg(600)->Unit(benchmark::kMicrosecond);

void BM_Collision(benchmark::State& state)
{
    scene world(static_cast<int>(state.range(0)));
    // Foot boxes all over the island, most of them free as on a walk.
    std::vector<obstruction_type> boxes;
    for (int i = 0; i < 4096; i++) {
        boxes.push_back({RangedRandom(0, 3880) + 10, RangedRandom(0, 3842) + 52, 14, 10, nullptr, false});
    }
    size_t next = 0;
    int hits = 0;
    for (auto _ : state) {
        const obstruction_type& box = boxes[next++ & 4095];
        const bool hit = CObject::Collision(box.x, box.y, box.w, box.h, false);
        benchmark::DoNotOptimize(hit);
        hits += hit;
    }
    state.counters["hit rate"] = benchmark::Counter(hits, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Collision)->Arg(600)->Unit(benchmark::kNanosecond);

}  // namespace
