#include "RoadFixture.h"

#include "CPersonMovement.h"

#include <cmath>

namespace {

// Shallow sea the man can wade to, near his feet, with nothing on it.
bool FindShallows(CMap& island, CPerson& man, int& atX, int& atY)
{
    for (int radius = 50; radius < 1500; radius += 25) {
        for (int step = 0; step < 32; step++) {
            const float angle = step * 6.2831853f / 32;
            const int x = Round(man.data.x + 13 + std::sin(angle) * radius);
            const int y = Round(man.data.y + 32 + std::cos(angle) * radius);
            const float depth = island.GetDepth(x, y, 50);
            if (depth > 0.15f && depth < 0.4f && island.GetWaterDepth(x, y, 50) <= 0.5f && man.CanWeMoveTo(x, y)) {
                atX = x;
                atY = y;
                return true;
            }
        }
    }
    return false;
}

}  // namespace

TEST_F(RoadTest, AManDroppedInShallowSeaFishesThereAndBringsTheFishHome)
{
    CPerson* man = Man();
    ASSERT_TRUE(man);
    int seaX = 0, seaY = 0;
    ASSERT_TRUE(FindShallows(*island, *man, seaX, seaY));
    const int fish = stock->GetFood(0);
    const int skill = man->data.skills[3];

    Carry(man, seaX - 60, seaY - 30);
    Show(seaX, seaY);
    // A held man's feet hang a little left of and above the pointer.
    const coordinate at = ToScreen(seaX + 2, seaY + 26);
    MouseAt(at.x, at.y);
    ASSERT_EQ(CObject::FindObjectAt(-1, -1, false, true), nullptr);
    ReleaseAt(at);
    ASSERT_TRUE(man->splashSprite);
    EXPECT_FALSE(man->splashSprite->Hidden()) << "the water he lands in splashes";
    EXPECT_TRUE(man->splashSprite->AtStart());
    ASSERT_EQ(man->GetCurrentTask(), 3);
    EXPECT_NEAR(man->data.fishingX, seaX, 5);
    EXPECT_NEAR(man->data.fishingY, seaY, 5);
    EXPECT_TRUE(man->IsTaskPermitted(3));

    ASSERT_TRUE(RunUntil([&] { return man->GetCurrentSubTask() == 8; }, 600)) << "wades to the spot";
    ASSERT_TRUE(RunUntil([&] { return man->GetCurrentSubTask() == 7; }, 2000)) << "dives until the task's length";
    EXPECT_EQ(man->carriedItem, 2);
    ASSERT_TRUE(RunUntil([&] { return stock->GetFood(0) > fish; }));
    EXPECT_EQ(stock->GetFood(0), fish + 1);
    EXPECT_TRUE(man->lastTask == 3 || man->GetCurrentTask() == 3) << "taken up again";
    EXPECT_GT(man->data.skills[3], skill) << "trained above water";
}

TEST_F(RoadTest, AFisherOnAnIslandWithoutShallowSeaGivesUp)
{
    CPerson* man = Man();
    ASSERT_TRUE(man);
    man->PermitTask(3, true);
    // A spot far out at sea with no shallow water within reach.
    man->data.fishingX = 5;
    man->data.fishingY = 5;
    EXPECT_FALSE(man->AttemptTaskRepeatedly(3, false));
    EXPECT_EQ(man->GetCurrentTask(), 0);
}
