// Speed of a band at work: one world pass of the playable island with twenty
// grown islanders chopping, breaking rock and fishing, each carrying its
// yield to the stock and taking the work up again when it ends. Nothing is
// drawn: the pass is what the game runs every 33 ms before it blits.
// `build/tests/bench/bench --benchmark_filter=IslanderWork`.
#include "BenchServices.h"
#include "CControllerGame.h"
#include "CFootprint.h"
#include "CMap.h"
#include "CObject.h"
#include "CPerson.h"
#include "CPersonMovement.h"
#include "CProfile.h"
#include "CResources.h"
#include "CRipple.h"
#include "CStone.h"
#include "CTree.h"
#include "IslandSeeds.h"
#include "Utilities.h"
#include "tests/islanders/IslanderRecords.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kWorkers = 20;
constexpr int kWork[3] = {2, 4, 3};  // chop, break rock, fish

struct Workplace {
    Workplace()
    {
        EnsureBenchServices();
        CObject::UnloadAll();
        CObject::obstructions.clear();
        CMap::mysteriousObjectsLoaded = false;
        CPersonMovement::GeneratePathMap();
        island = std::make_unique<CMap>(false);
        island->CreateMap(kFixedIslandSeeds[2], -1, -1, false, true, false);
        island->ToggleBig(true);
        CControllerGame::island = island.get();
        CObject::InitPathMap();
        CProfile::current->SetValue<bool>(38, true);
        // The numbers of skill gained fly off as in play.
        CPerson::showFlyaways = true;
        InitRandom(23u);

        for (CTree* tree : island->trees) {
            if (!tree->IsScenery() && !tree->IsMysterious()) {
                CTree::AddToChoppable(tree);
            }
        }
        for (CStone* rock : island->rocks) {
            if (!rock->IsScenery()) {
                CStone::AddToChoppable(rock);
            }
        }
        const int startX = CControllerGame::Resources()->GetPileX(0);
        const int startY = CControllerGame::Resources()->GetPileY(0);
        for (int i = 0; i < kWorkers; i++) {
            person_data record = IslanderRecord(startX + (i % 5) * 40 - 80, startY + (i / 5) * 40 + 60, 30 * 172800,
                                                i % 2);
            record.id = i + 1;
            CPerson* person = new CPerson(record);
            person->UnHide();
        }
        // Into the rhythm of the work before it is measured.
        for (int frame = 0; frame < 300; frame++) {
            Pass();
        }
    }

    ~Workplace()
    {
        CObject::UnloadAll();
        CRipple::Unload();
        CFootprint::Unload();
        CControllerGame::NullResources();
        CControllerGame::island = nullptr;
        island.reset();
        ClearBenchWorld();
    }

    // One world pass; an islander whose work ended takes it up again, as the
    // deciding step does in the game.
    void Pass()
    {
        CObject::MoveObjects(island->offsetX, island->offsetY, 1);
        for (size_t i = 0; i < CPerson::people.size(); i++) {
            CPerson* person = CPerson::people[i];
            if (person->GetCurrentTask() == 0) {
                person->AttemptTaskRepeatedly(kWork[i % 3], false);
            }
        }
        // The stock never fills while it is measured.
        CResources* stock = CControllerGame::Resources();
        if (stock->GetWood() > 20 || stock->GetRock() > 20 || stock->GetFood(0) > 20) {
            stock->RemoveWood(stock->GetWood());
            stock->RemoveRock(stock->GetRock());
            stock->RemoveFood(stock->GetFood(0), 0);
        }
    }

    std::unique_ptr<CMap> island;
};

}  // namespace

static void BM_IslanderWorkPassOfTwenty(benchmark::State& state)
{
    Workplace place;
    for (auto _ : state) {
        place.Pass();
    }
    int chopping = 0, breaking = 0, fishing = 0;
    for (CPerson* person : CPerson::people) {
        chopping += person->GetCurrentTask() == 2;
        breaking += person->GetCurrentTask() == 4;
        fishing += person->GetCurrentTask() == 3;
    }
    state.counters["chopping"] = chopping;
    state.counters["breaking"] = breaking;
    state.counters["fishing"] = fishing;
}
BENCHMARK(BM_IslanderWorkPassOfTwenty)->Iterations(3000)->Unit(benchmark::kMillisecond);
