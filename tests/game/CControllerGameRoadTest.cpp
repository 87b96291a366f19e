#include "CControllerGameFixture.h"

#include "CRenderer.h"
#include "Screenshot.h"
#include "Utilities.h"

#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<int, int>> TreePlaces(CMap& island)
{
    std::vector<std::pair<int, int>> places;
    for (CTree* tree : island.trees) {
        places.emplace_back(tree->GetX(), tree->GetY());
    }
    return places;
}

}  // namespace

TEST_F(GameScreenTest, LeavingThroughTheMenuStoresTheIslandAndTheNextVisitContinuesIt)
{
    Open(kFixedIslandSeeds[5]);
    CMap* island = CControllerGame::island;
    const unsigned int seed = island->GetCurrentSeed();
    const auto trees = TreePlaces(*island);
    ASSERT_FALSE(trees.empty());
    for (int i = 0; i < 200; i++) {
        Frame();
    }
    resources.Renderer().Render(true);
    SavePng(PictureOf(SDL_GetVideoSurface()), ScreenshotPath("CControllerGame-dummy.png"));

    opener.screen->InputKey(true, SDLK_ESCAPE);
    ASSERT_NE(CControllerGame::inGameMenu, nullptr);
    CControllerGame::inGameMenu->GUICallback(CControllerInGameMenu::kQuit, 0);
    Frame();  // the menu closes, then the game screen
    Frame();
    EXPECT_EQ(opener.screen, nullptr);
    EXPECT_EQ(CControllerGame::island, nullptr);
    EXPECT_TRUE(CObject::objects.empty());
    EXPECT_EQ(CProfile::current->GetValue<unsigned int>(1), seed);
    EXPECT_GE(CProfile::current->GetValue<long>(33), GetCurrentTime() - 1);
    EXPECT_TRUE(CProfile::current->GetValue<bool>(31)) << "a game is under way";

    // Damaged records that pass the checksum: each is left out, the rest loads.
    auto badTrees = CProfile::current->GetVectorValue<tree_data>(2);
    badTrees.push_back(badTrees[0]);
    badTrees.back().footX = INT_MAX;
    CProfile::current->SetVectorValue<tree_data>(2, badTrees);
    auto badRocks = CProfile::current->GetVectorValue<rock_data>(3);
    const size_t rocks = badRocks.size();
    badRocks.push_back(badRocks[0]);
    badRocks.back().footY = -40;
    CProfile::current->SetVectorValue<rock_data>(3, badRocks);
    auto badFlowers = CProfile::current->GetVectorValue<flower_data>(9);
    const size_t flowerCount = badFlowers.size();
    ASSERT_GT(flowerCount, 0u);
    for (int i = 0; i < 4; i++) {
        badFlowers.push_back(badFlowers[0]);
    }
    badFlowers[flowerCount].colour = 7;
    badFlowers[flowerCount + 1].size = -2;
    badFlowers[flowerCount + 2].type = 3;
    badFlowers[flowerCount + 3].x = INT_MIN;
    CProfile::current->SetVectorValue<flower_data>(9, badFlowers);

    CMap* again = new CMap(false);
    again->LoadMap(true);
    opener.screen = new CControllerGame(false, false);
    opener.PassFocus(opener.screen);
    Frame();
    ASSERT_EQ(CControllerGame::island, again);
    EXPECT_TRUE(again->playable);
    EXPECT_EQ(again->GetCurrentSeed(), seed);
    EXPECT_EQ(TreePlaces(*again), trees);
    EXPECT_EQ(again->rocks.size(), rocks);
    EXPECT_EQ(again->flowers.size(), flowerCount);
    EXPECT_NE(Log().find("Saved trees: a tree off the island was dropped: "), std::string::npos);
    EXPECT_NE(Log().find("Saved flowers: a flower that cannot be painted was left out: 4"), std::string::npos);
}
