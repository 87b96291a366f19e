// Dust on the game screen: a heap falls when the stardust timer runs out,
// lands on the island, and an islander dropped on it puts it in the stock.
#include "CDust.h"
#include "CResources.h"
#include "tests/game/CControllerGameFixture.h"

TEST_F(GameScreenTest, DustFallsOnTheTimerLandsAndGoesIntoTheStockWhenCollected)
{
    CControllerGame& game = Open(kFixedIslandSeeds[0]);
    CProfile::current->SetValue<bool>(67, false);
    const int stock = CControllerGame::Resources()->GetStardust();
    game.stardustTimer = 1;
    Frame();
    ASSERT_EQ(CDust::dust.size(), 1u);
    CDust* heap = CDust::dust[0];
    EXPECT_TRUE(heap->isStardust);
    EXPECT_FALSE(heap->hidden);
    for (int frame = 0; frame < 500 && !heap->landed; frame++) {
        Frame();
    }
    ASSERT_TRUE(heap->landed);
    CMap* island = CControllerGame::island;
    EXPECT_TRUE(island->TileContainsTerrain_coords(heap->destX + 116, heap->destY + 116, 16, false))
        << "on grass";

    island->CenterScreen(heap->GetX(), heap->GetY(), true, false, false);
    Frame();
    CControllerGame::lastDustPickup = 500;
    CController::input->mouseX = heap->spriteGround->GetX() + 10;
    CController::input->mouseY = heap->spriteGround->GetY() + 10;
    EXPECT_EQ(CObject::DropOn(), 0);
    EXPECT_EQ(CControllerGame::Resources()->GetStardust(), stock + 1);
    EXPECT_EQ(CControllerGame::lastDustPickup, 0);
    EXPECT_TRUE(heap->hidden);
    Frame();
    EXPECT_EQ(CDust::dust.size(), 1u) << "listed until the island goes";
}
