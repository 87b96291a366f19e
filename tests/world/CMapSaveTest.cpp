#include "CBuilding.h"
#include "CFireplace.h"
#include "CResources.h"
#include "CTombstone.h"
#include "IslandSeeds.h"
#include "tests/world/CMapGenerationFixture.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

class IslandSaveTest : public IslandTest {
protected:
    // The profile file as a save writes it, with the save time and the
    // count of islands made (a preview made again counts) pinned.
    std::string SavedProfile()
    {
        CProfile::current->SetValue<long>(33, 0);
        CProfile::current->SetValue<int>(36, 1);
        CProfile::current->Save();
        return ReadFile(folder.Path() + "/userdata/PROFILE1v8.DAT");
    }

    // Something of every kind of object that the island saves.
    void Furnish(CMap& island)
    {
        island.trees[3]->DroppedOn();  // marked
        island.rocks[2]->RemoveResource();
        (new CFireplace(500, 600))->FinishNow();
        new CTombstone(700, 800, "Ana", "11125", "11101", "12021", 70, 4, true);
        CControllerGame::Resources()->wood = 12;
    }
};

}  // namespace

TEST_F(IslandSaveTest, SavingLoadingAndSavingAgainStoresTheSameBytes)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[12]);
    CProfile::current->SetValue<bool>(31, true);
    Furnish(island);
    island.SaveMap();
    const std::string first = SavedProfile();
    ASSERT_GT(first.size(), 10000u) << "the island is in the profile file";
    const size_t trees = island.trees.size(), rocks = island.rocks.size();
    const int markedX = island.trees[3]->GetX();

    // What the load must replace or bring back.
    island.AddTree(1000, 1000, 0, 0, true, false, false);
    CControllerGame::Resources()->wood = 0;
    island.LoadMap(false);
    EXPECT_FALSE(island.loading);
    EXPECT_EQ(island.GetCurrentSeed(), kFixedIslandSeeds[12]);
    EXPECT_EQ(island.trees.size(), trees) << "the tree made before loading is gone";
    EXPECT_EQ(island.rocks.size(), rocks);
    ASSERT_EQ(CTree::choppable.size(), 1u);
    EXPECT_EQ(CTree::choppable[0]->GetX(), markedX);
    EXPECT_EQ(CBuilding::buildings.size(), 1u);
    EXPECT_EQ(CBuilding::buildings[0]->GetAnimationFrame(), 4);
    EXPECT_EQ(CControllerGame::Resources()->wood, 12);

    island.SaveMap();
    const std::string second = SavedProfile();
    const auto differ = std::mismatch(first.begin(), first.end(), second.begin(), second.end());
    EXPECT_TRUE(differ.first == first.end() && differ.second == second.end())
        << "the saves part at byte " << differ.first - first.begin() << " of " << first.size();
}

TEST_F(IslandSaveTest, TheChooserScanAndTheGameStateDecideWhatASaveWrites)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[14]);
    CProfile::current->SetValue<unsigned int>(1, 77);
    island.scanFrame = 0;
    island.SaveMap();
    EXPECT_EQ(CProfile::current->GetValue<unsigned int>(1), 77u) << "not even the seed during the scan";
    island.scanFrame = 120;
    for (bool underWay : {false, true}) {
        CProfile::current->SetValue<bool>(31, underWay);
        const int before = CProfile::current->GetValue<int>(59);
        island.SaveMap();
        EXPECT_EQ(CProfile::current->GetValue<int>(59), before + (underWay ? 0 : 1));
    }
}

TEST_F(IslandSaveTest, AStoredSeedOfZeroLoadsNothingOntoAnotherIsland)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[15]);
    island.SaveMap();
    CProfile::current->SetValue<unsigned int>(1, 0);
    EXPECT_FALSE(island.LoadMap(false));
    EXPECT_EQ(island.GetCurrentSeed(), kFixedIslandSeeds[15]) << "no new island is made";
    EXPECT_NE(ReadFile("LOG.TXT").find("The saved island has no seed"), std::string::npos);
}
