// Saving and loading the island. The profile keeps the island's seed and the
// records of its world objects, not its terrain: a load rebuilds the objects
// first and then generates the terrain again from the seed, keeping the
// loaded trees, rocks and flowers in place of new ones.
#include "CMap.h"

#include "CBuilding.h"
#include "CControllerGame.h"
#include "CFlowerIndicator.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CRepairTally.h"
#include "CResources.h"
#include "CStone.h"
#include "CTombstone.h"
#include "CTree.h"
#include "CTreeIndicator.h"
#include "Log.h"
#include "Utilities.h"

#include <vector>

namespace {

constexpr int kSeedProperty = 1;
constexpr int kFlowersProperty = 9;
constexpr int kGameUnderWayProperty = 31;
constexpr int kLastSaveProperty = 33;
constexpr int kSavesOutsideGameProperty = 59;
// Flowers stand a few pixels apart on a 3904-pixel ground.
constexpr size_t kMaxFlowers = 400000;

// Deletes every object of the list, newest first, and empties it.
template <typename T>
void DeleteFromLast(std::vector<T*>& list)
{
    std::vector<T*> doomed;
    doomed.swap(list);
    while (!doomed.empty()) {
        delete doomed.back();
        doomed.pop_back();
    }
}

bool FlowerRecordFits(const flower_data& flower)
{
    return flower.x >= 0 && flower.x < ISLAND_PIXELS && flower.y >= 0 && flower.y < ISLAND_PIXELS &&
           flower.colour >= 0 && flower.colour <= 6 && flower.size >= -1 && flower.size <= 2 && flower.type >= 0 &&
           flower.type <= 2;
}

}  // namespace

void CMap::SaveMap()
{
    // The chooser's scan shows an island that is not yet the player's.
    if (!playable && ScanningForIsland()) {
        return;
    }
    CProfile* profile = CProfile::current;
    profile->SetValue<unsigned int>(kSeedProperty, GetCurrentSeed());
    CTree::SaveTrees();
    CStone::SaveRocks();
    CPerson::SavePeople();
    CBuilding::SaveBuildings();
    SaveFlowers();
    CFlowerIndicator::Save();
    CTreeIndicator::Save();
    CControllerGame::Resources()->SaveResources();
    CTombstone::Save();
    if (!profile->GetValue<bool>(kGameUnderWayProperty)) {
        const int saves = profile->GetValue<int>(kSavesOutsideGameProperty);
        profile->SetValue<int>(kSavesOutsideGameProperty, SaturatingAdd(saves, 1));
        // A first game tells that it is under way only when its screen
        // closes; the mark lets a crash before then lose nothing.
        profile->MarkFirstGameSaved();
    }
    profile->SetValue<long>(kLastSaveProperty, GetCurrentTime());
}

bool CMap::LoadMap(bool force)
{
    if (!playable && ScanningForIsland() && !force) {
        return true;
    }
    const unsigned int seed = CProfile::current->GetValue<unsigned int>(kSeedProperty);
    if (seed == 0) {
        // 0 asks for a new island: the saved objects would land on it.
        logMessage("The saved island has no seed; its game cannot be loaded");
        return false;
    }

    loading = true;
    DeleteFromLast(trees);
    trees = CTree::LoadTrees();
    DeleteFromLast(rocks);
    rocks = CStone::LoadRocks();
    CPerson::LoadPeople();
    DeleteFromLast(CBuilding::buildings);
    CBuilding::LoadBuildings();
    const size_t flowersLeftOut = LoadFlowers();
    const size_t markersLeftOut = CFlowerIndicator::Load();
    const size_t saplingsLeftOut = CTreeIndicator::Load();
    CControllerGame::Resources()->LoadResources();
    const size_t gravesLeftOut = CTombstone::Load();
    // The first try only: a seed the generator turns down would otherwise
    // become a random island under the saved objects.
    const bool made = GenerateOnce(seed, -1, -1, true, false, true);
    loading = false;
    if (!made) {
        HideLoading();
        logMessage("The saved island's seed makes no island; its game cannot be loaded: ", TempSprintf("%u", seed));
        return false;
    }
    // Only a game that goes on: a lost one is kept and told of whole.
    CProfile::current->RecordsGivenUp({{"flowers", flowersLeftOut},
                                       {"flower markers", markersLeftOut},
                                       {"saplings", saplingsLeftOut},
                                       {"graves", gravesLeftOut}});
    return true;
}

void CMap::SaveFlowers()
{
    CProfile::current->SetVectorValue<flower_data>(kFlowersProperty, flowers);
}

size_t CMap::LoadFlowers()
{
    flowers.clear();
    CRepairTally tally("Saved flowers");
    std::vector<flower_data> records = CProfile::current->GetVectorValue<flower_data>(kFlowersProperty);
    const size_t stored = records.size();
    tally.Cap(records, kMaxFlowers, "flowers past the most the ground has room for were left out");
    for (const flower_data& flower : records) {
        // A damaged record would be painted outside the ground or name a
        // picture that does not exist; the rest of the island still loads.
        if (!FlowerRecordFits(flower)) {
            tally.Note("a flower that cannot be painted was left out");
            continue;
        }
        flowers.push_back(flower);
    }
    return stored - flowers.size();
}
