// Dust on the game screen: a heap falls when the stardust timer runs out,
// lands on the island, and an islander dropped on it puts it in the stock.
#include "CDust.h"
#include "CResources.h"
#include "ChildProcess.h"
#include "tests/game/CControllerGameFixture.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

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

// The game screen makes its heap's alert with the sound off; a heap made
// after it with the sound on must find no silent alert left behind, or its
// landing plays a sound that is not there. The two run in a test program of
// their own, in this order, so that no test between them tidies up.
TEST(DustTestOrder, AHeapAfterTheGameScreensSilentOneLandsWithItsOwnAlert)
{
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    ASSERT_GT(length, 0);
    self[length] = '\0';
    const std::string first = "GameScreenTest.DustFallsOnTheTimerLandsAndGoesIntoTheStockWhenCollected";
    const std::string second = "DustTest.ADroppedIslanderCollectsTheHeapEvenInTheAirAndItNeverLands";
    const ChildResult child = RunInChild([&] {
        for (const char* name : {"GTEST_TOTAL_SHARDS", "GTEST_SHARD_INDEX", "GTEST_SHUFFLE", "GTEST_FILTER"}) {
            unsetenv(name);
        }
        const std::string filter = "--gtest_filter=" + first + ":" + second;
        execl(self, self, filter.c_str(), "--gtest_shuffle=0", static_cast<char*>(nullptr));
        _exit(127);
    });
    const size_t firstRan = child.output.find("[ RUN      ] " + first);
    const size_t secondRan = child.output.find("[ RUN      ] " + second);
    ASSERT_NE(secondRan, std::string::npos) << child.output;
    EXPECT_LT(firstRan, secondRan) << "the game screen's heap first";
    EXPECT_EQ(child.exitCode, 0) << child.output;
}
