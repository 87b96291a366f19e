#include "CControllerGameFixture.h"

#include "CBuilding.h"
#include "CControllerTrophies.h"
#include "CControllerTrophyUnlock.h"
#include "CDraw.h"
#include "CFootprint.h"
#include "CRipple.h"
#include "CStorehouseWood.h"
#include "Utilities.h"

#include <functional>

class GameWiringTest : public GameScreenTest {
protected:
    void SetUp() override
    {
        GameScreenTest::SetUp();
        CControllerTrophies::trophyUnlockQueue = {};
        CProfile::current->SetValue<bool>(38, true);
    }

    void TearDown() override
    {
        delete CControllerGame::trophyUnlock;
        CControllerGame::trophyUnlock = nullptr;
        CControllerTrophies::trophyUnlockQueue = {};
        CBuilding::DeleteSprites();
        GameScreenTest::TearDown();
    }

    // Brings a world point of the kind into view under the pointer.
    coordinate PointAt(const std::function<bool(CMap*, int, int)>& kind)
    {
        CMap* island = CControllerGame::island;
        for (int y = 600; y < 3400; y += 16) {
            for (int x = 600; x < 3400; x += 16) {
                if (kind(island, x, y) && !CObject::Collision(x - 150, y - 150, 300, 300, true)) {
                    island->CenterScreen(x, y, true, false, false);
                    MouseAt(x + island->offsetX, y + island->offsetY);
                    return {x, y};
                }
            }
        }
        ADD_FAILURE() << "no such ground";
        return {-1, -1};
    }

    static bool Grass(CMap* island, int x, int y)
    {
        for (int dy = -64; dy <= 64; dy += 32) {
            for (int dx = -64; dx <= 64; dx += 32) {
                if (!island->TileContainsTerrain_coords(x + dx, y + dy, 16, true) ||
                    island->TileContainsTerrain_coords(x + dx, y + dy, 128, true)) {
                    return false;
                }
            }
        }
        return true;
    }

    static bool Sea(CMap* island, int x, int y) { return island->GetWaterDepth(x, y, 50) < 0.5f; }
};

TEST_F(GameWiringTest, AQueuedTrophyOpensOnTheFirstSettledFrameAfterTheCatchUp)
{
    CProfile::current->SetValue<long>(33, GetCurrentTime() - 10);
    CControllerTrophies::trophyUnlockQueue.push(0);  // names no trophy: dropped
    CControllerTrophies::trophyUnlockQueue.push(1 << 3);
    const int skipped = CController::draw->skipFrames;
    CControllerGame& game = Open();
    EXPECT_EQ(CController::draw->skipFrames, skipped + 1) << "the first frame is not presented";
    ASSERT_GT(game.catchUpFrames, 0);
    game.pendingTutorial = 40;

    Frame();
    EXPECT_EQ(game.catchUpFrames, 0);
    EXPECT_EQ(CControllerGame::trophyUnlock, nullptr) << "not during the catch-up, nor unsettled";
    EXPECT_EQ(game.pendingTutorial, -1) << "a waiting trophy drops a pending lesson";
    Frame();
    Frame();
    EXPECT_EQ(CControllerGame::trophyUnlock, nullptr);
    Frame();
    ASSERT_NE(CControllerGame::trophyUnlock, nullptr);
    EXPECT_EQ(CControllerGame::trophyUnlock->trophy, 3);
    EXPECT_TRUE(CControllerTrophies::trophyUnlockQueue.empty());
    EXPECT_EQ(CController::focus, CControllerGame::trophyUnlock);
    EXPECT_EQ(game.settleFrames, 3) << "the frame that opened it did not settle";
}

TEST_F(GameWiringTest, APlacementClickPutsAStorehouseDownAndARefusedOneSaysWhy)
{
    CControllerGame& game = Open(kFixedIslandSeeds[3]);
    CBuilding::InitSprites();
    for (CObject* object : std::vector<CObject*>(CObject::objects)) {
        if (object->isPerson) {
            delete object;
        }
    }
    const size_t standing = CBuilding::buildings.size();
    CBuilding::HoverBuilding(4);
    PointAt(Sea);
    Frame();
    game.InputMouseClick(true, false, false);
    EXPECT_EQ(CBuilding::buildings.size(), standing);
    EXPECT_EQ(CControllerGame::lastToolTip.id, 10500) << "the ghost's reason reaches the side panel";
    Frame();
    ASSERT_NE(CControllerGame::popUp, nullptr);
    EXPECT_EQ(CControllerGame::popUp->request.id, 12307);
    EXPECT_FALSE(CBuilding::placementFailed);
    EXPECT_EQ(CObject::placingBuilding, -1) << "the press ended the placing";
    CControllerGame::popUp->ShutDown(0);
    Frame();

    CBuilding::HoverBuilding(4);
    const coordinate spot = PointAt(Grass);
    Frame();
    EXPECT_EQ(CBuilding::sBuildingGhost[4]->GetFrame(), 0) << CControllerGame::lastToolTip.id;
    game.InputMouseClick(true, false, false);
    ASSERT_EQ(CStorehouseWood::allBuildings.size(), 1u);
    EXPECT_NEAR(CStorehouseWood::allBuildings[0]->GetX(), spot.x, 1);
    EXPECT_EQ(CObject::placingBuilding, -1);
    Frame();
    EXPECT_EQ(CControllerGame::popUp, nullptr);
}

TEST_F(GameWiringTest, RipplesOfPressesArePumpedAndEverythingIsUnloadedOnClosing)
{
    CProfile::current->SetValue<bool>(7, true);
    CProfile::current->SetValue<bool>(75, true);
    CControllerGame& game = Open(kFixedIslandSeeds[3]);
    PointAt(Sea);
    game.InputMouseClick(false, true, false);
    size_t pressed = 0;
    while (pressed < CRipple::ripples.size() && CRipple::ripples[pressed].delay != 0) {
        pressed++;
    }
    ASSERT_LT(pressed, CRipple::ripples.size()) << "any press on deep water starts one";
    Frame();
    const ripple_data& ripple = CRipple::ripples[pressed];
    EXPECT_FALSE(ripple.sprite->Hidden()) << "the frame started it";
    EXPECT_EQ(ripple.sprite->GetX(), ripple.x + CControllerGame::island->offsetX);

    CFootprint::AddPrint(ripple.x, ripple.y, 1.2f, true, true, false, false, 0, false);
    delete opener.screen;
    opener.screen = nullptr;
    EXPECT_TRUE(CRipple::ripples.empty());
    EXPECT_FALSE(CFootprint::imagesLoaded);
}
