// What each saved record costs when a game is continued: the heap it takes
// and the time of its loading and first frame, per islander (its own painted
// garments) and per building of each kind (its own picture copies), on an
// island of open grass with the pictures drawn as in the game. Each figure is
// the difference between a load of many records and a load of one, so the
// pictures all records share count once and drop out.
//
// And how many buildings an island can ever hold: the smallest building put
// down by the game's own placement test wherever it is allowed, on a fixed
// island with every tree felled and every rock used up. The record caps of
// the loaders follow from these figures.
#include "BenchServices.h"
#include "BuildingClasses.h"
#include "CBuilding.h"
#include "CController.h"
#include "CControllerGame.h"
#include "CInput.h"
#include "CMap.h"
#include "CObject.h"
#include "CPerson.h"
#include "CPersonMovement.h"
#include "CProfile.h"
#include "CSprite.h"
#include "IslandSeeds.h"
#include "Utilities.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kOffsetX = -800, kOffsetY = -700;
constexpr double kMegabyte = 1024.0 * 1024.0;

size_t HeapBytes()
{
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}

double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void DeleteBand()
{
    while (!CPerson::people.empty()) {
        delete CPerson::people.back();
    }
}

void DeleteBuildings()
{
    while (!CBuilding::buildings.empty()) {
        delete CBuilding::buildings.back();
    }
}

// A playable island of open grass as the island in the game: every world
// list, the walk grid and the island pointer are put back as they were.
struct open_grass {
    open_grass()
    {
        EnsureBenchServices();
        CControllerGame::Resources();
        savedIsland = CControllerGame::island;
        savedObstructions = CObject::obstructions;
        savedTasks = CPerson::taskQueue;
        savedOrders = CPerson::craftQueue;
        savedPickups = CPerson::pickupQueue;
        savedLastId = CPerson::gameData;
        savedZGap = CPerson::personalZGapCurrent;
        memcpy(savedPaths.data(), CPersonMovement::pathMap, sizeof CPersonMovement::pathMap);
        island = std::make_unique<CMap>(false);
        LayOpenGrass(*island, kOffsetX, kOffsetY);
        CControllerGame::island = island.get();
        CPersonMovement::GeneratePathMap();
        for (auto& column : CPersonMovement::pathMap) {
            for (pathnode& node : column) {
                node.cost = 1.0f;
            }
        }
        InitRandom(29u);
    }
    ~open_grass()
    {
        DeleteBand();
        DeleteBuildings();
        CPersonMovement::whoIsMoving = nullptr;
        CControllerGame::island = savedIsland;
        island.reset();
        // The stock made for the loads goes too, as every benchmark leaves it.
        ClearBenchWorld();
        CObject::obstructions = savedObstructions;
        memcpy(CPersonMovement::pathMap, savedPaths.data(), sizeof CPersonMovement::pathMap);
        CPerson::taskQueue = savedTasks;
        CPerson::craftQueue = savedOrders;
        CPerson::pickupQueue = savedPickups;
        CPerson::gameData = savedLastId;
        CPerson::personalZGapCurrent = savedZGap;
    }

    std::unique_ptr<CMap> island;
    CMap* savedIsland;
    std::vector<obstruction_type> savedObstructions;
    std::vector<task_item> savedTasks;
    std::vector<craft_data> savedOrders, savedPickups;
    game_data savedLastId;
    int savedZGap;
    std::vector<unsigned char> savedPaths = std::vector<unsigned char>(sizeof CPersonMovement::pathMap);
};

struct cost {
    double megabytes;
    double milliseconds;
};

// The load as the game continues it, then its first frame with everything shown.
template <class Load>
cost LoadAndFirstFrame(Load load)
{
    const size_t before = HeapBytes();
    const auto start = std::chrono::steady_clock::now();
    load();
    CObject::UnHideAll();
    CObject::MoveObjects(kOffsetX, kOffsetY, 1);
    const double milliseconds = Since(start);
    return {(static_cast<double>(HeapBytes()) - static_cast<double>(before)) / kMegabyte, milliseconds};
}

person_data SavedIslander(int id)
{
    person_data record;
    memset(&record, 0, sizeof record);
    record.id = id;
    record.energy = record.food = 10000;
    record.x = static_cast<float>(800 + (id % 10) * 120);
    record.y = static_cast<float>(900 + (id / 10) * 150);
    // Grown-ups of every stage, each with its own garments and hair.
    record.age = record.actualAge = (14 + (id * 7) % 60) * 172800;
    record.gender = id % 2;
    record.nameId = 7000 + id % 100;
    record.topStyle = id % 3;
    record.bottomStyle = (id + 1) % 3;
    record.matureHairStyle = id % 8;
    record.youngHairStyle = (id + 3) % 8;
    record.topColour = RGBA_data{static_cast<unsigned char>(40 + id * 9), 120, 80, 255};
    record.bottomColour = RGBA_data{60, static_cast<unsigned char>(30 + id * 5), 140, 255};
    return record;
}

void SaveBand(int count)
{
    std::vector<person_data> band;
    for (int id = 1; id <= count; id++) {
        band.push_back(SavedIslander(id));
    }
    CProfile* profile = CProfile::current;
    profile->SetVectorValue<person_data>(4, band);
    profile->SetVectorValue<task_item>(5, CPerson::taskQueue);
    profile->SetValue<game_data>(14, game_data{count});
    profile->SetVectorValue<craft_data>(15, {});
    profile->SetVectorValue<craft_data>(39, {});
}

// The variant the build menu puts down for each type 1..13.
constexpr int kVariantOfType[14] = {-1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 20, 21};

// count finished buildings of the type, saved as the game saves them.
void SaveBuildingsOfType(int type, int count)
{
    for (int i = 0; i < count; i++) {
        const int x = 700 + (i % 6) * 550, y = 800 + (i / 6) * 550;
        ClassOfType(type).place(x, y, kVariantOfType[type])->FinishNow();
    }
    CBuilding::SaveBuildings();
    DeleteBuildings();
}

}  // namespace

static void BM_SavedIslanderMemoryAndFirstFrame(benchmark::State& state)
{
    constexpr int kMany = 21;
    open_grass land;
    const bool preloaded = !CPerson::preloadedClothes.empty();
    if (!preloaded) {
        CPerson::PreLoadClothes();
    }
    for (auto _ : state) {
        SaveBand(1);
        const cost one = LoadAndFirstFrame([] { CPerson::LoadPeople(); });
        SaveBand(kMany);
        const cost many = LoadAndFirstFrame([] { CPerson::LoadPeople(); });
        DeleteBand();
        state.counters["MB_per_islander"] = (many.megabytes - one.megabytes) / (kMany - 1);
        state.counters["first_frame_ms_per_islander"] = (many.milliseconds - one.milliseconds) / (kMany - 1);
    }
    if (!preloaded) {
        CPerson::UnPreLoadClothes();
    }
}
BENCHMARK(BM_SavedIslanderMemoryAndFirstFrame)->Iterations(1)->Unit(benchmark::kMillisecond);

// The argument is the building type, 1 (hut) to 13 (ship).
static void BM_SavedBuildingMemoryAndFirstFrame(benchmark::State& state)
{
    constexpr int kMany = 9;
    open_grass land;
    const int type = static_cast<int>(state.range(0));
    for (auto _ : state) {
        SaveBuildingsOfType(type, 1);
        const cost one = LoadAndFirstFrame([] { CBuilding::LoadBuildings(); });
        DeleteBuildings();
        SaveBuildingsOfType(type, kMany);
        const cost many = LoadAndFirstFrame([] { CBuilding::LoadBuildings(); });
        DeleteBuildings();
        state.counters["MB_per_building"] = (many.megabytes - one.megabytes) / (kMany - 1);
        state.counters["first_frame_ms_per_building"] = (many.milliseconds - one.milliseconds) / (kMany - 1);
    }
}
BENCHMARK(BM_SavedBuildingMemoryAndFirstFrame)->DenseRange(1, 13)->Iterations(1)->Unit(benchmark::kMillisecond);

// The fireplace is the smallest building and the cheapest (two rocks), so no
// island holds more buildings of any mix than it holds fireplaces. They go
// down in reading order at every allowed point of an 8-pixel grid, each
// blocking what the real one blocks, until no point is left.
static void BM_MostFireplacesAnIslandHolds(benchmark::State& state)
{
    constexpr int kFireplace = 9, kStep = 8, kCentreX = 400, kCentreY = 300;
    EnsureBenchServices();
    const std::vector<obstruction_type> savedObstructions = CObject::obstructions;
    std::vector<unsigned char> savedPaths(sizeof CPersonMovement::pathMap);
    memcpy(savedPaths.data(), CPersonMovement::pathMap, sizeof CPersonMovement::pathMap);
    CMap* savedIsland = CControllerGame::island;
    const bool ghostsMade = CBuilding::sBuildingGhost[kFireplace] != nullptr;
    const int savedPlacing = CObject::placingBuilding;
    const int savedMouseX = CController::input->mouseX, savedMouseY = CController::input->mouseY;

    BenchIslandPtr island = BenchIsland(kFixedIslandSeeds[static_cast<size_t>(state.range(0))]);
    CControllerGame::island = island.get();
    if (!ghostsMade) {
        CBuilding::InitSprites();
    }
    // What one finished fireplace blocks, from its placement point.
    CObject::obstructions.clear();
    CBuilding* probe = ClassOfType(kFireplace).place(0, 0, kFireplace);
    probe->FinishNow();
    probe->AddObstructions(true);
    const std::vector<obstruction_type> blocks = CObject::obstructions;
    delete probe;

    for (auto _ : state) {
        // Every tree felled and every rock used up.
        CObject::obstructions.clear();
        int placed = 0;
        CObject::placingBuilding = kFireplace;
        CController::input->mouseX = kCentreX;
        CController::input->mouseY = kCentreY;
        for (int y = 0; y < ISLAND_PIXELS; y += kStep) {
            for (int x = 0; x < ISLAND_PIXELS; x += kStep) {
                island->offsetX = kCentreX - x;
                island->offsetY = kCentreY - y;
                CBuilding::HandleBuildingPlacement();
                if (CBuilding::sBuildingGhost[kFireplace]->GetFrame() != 0) {
                    continue;
                }
                placed++;
                for (const obstruction_type& block : blocks) {
                    CObject::AddObstruction(x + block.x, y + block.y, block.w, block.h, nullptr, false);
                }
            }
        }
        state.counters["fireplaces"] = placed;
    }

    CBuilding::sBuildingGhost[kFireplace]->Hide();
    if (!ghostsMade) {
        CBuilding::DeleteSprites();
    }
    CObject::placingBuilding = savedPlacing;
    CController::input->mouseX = savedMouseX;
    CController::input->mouseY = savedMouseY;
    CControllerGame::island = savedIsland;
    island.reset();
    CObject::obstructions = savedObstructions;
    memcpy(CPersonMovement::pathMap, savedPaths.data(), sizeof CPersonMovement::pathMap);
}
// The argument picks a fixed island; 3 holds the most of the first thirteen.
BENCHMARK(BM_MostFireplacesAnIslandHolds)->Arg(0)->Arg(3)->Iterations(1)->Unit(benchmark::kMillisecond);
