// Thoughts that come from the stock on a real island: a hungry grown-up with
// food in store but no wood to cook it, and an idle woodcutter facing a full
// wood store.
#include "RoadFixture.h"
#include "SFMT.h"
#include "Utilities.h"

namespace {

bool InGroup(int id, int first, int last) { return id >= first && id <= last && id % 2 == 0; }

TEST_F(RoadTest, FoodInStoreButNoWoodToCookItKeepsOneGrumbleWhileItLasts)
{
    CPerson* man = Man();
    ASSERT_NE(man, nullptr);
    stock->wood = 0;
    stock->AddFood(10, 0);
    ASSERT_GE(stock->GetFood(-1), 1);
    man->currentTask = 1;
    man->idle = false;
    man->data.food = 4000;
    man->HandleStatusAndThoughts(false);
    const int grumble = man->thoughtId;
    ASSERT_TRUE(InGroup(grumble, 33020, 33030)) << grumble;
    for (int frame = 0; frame < 500; frame++) {
        man->HandleStatusAndThoughts(false);
        ASSERT_EQ(man->thoughtId, grumble);
    }
    man->data.food = 2000;
    stock->AddWood(5);
    man->HandleStatusAndThoughts(false);
    EXPECT_TRUE(InGroup(man->thoughtId, 33002, 33008)) << "with wood in store it is plain hunger";
}

TEST_F(RoadTest, AnIdleWoodcutterThinksOfTheFullWoodStoreTwoTimesInThree)
{
    CPerson* man = Man();
    ASSERT_NE(man, nullptr);
    stock->AddWood(stock->GetMaxResource(0));
    ASSERT_TRUE(stock->IsResourceMaxed(0));
    man->PermitTask(2, true);
    int woodThoughts = 0;
    for (int round = 0; round < 90; round++) {
        man->idle = true;
        man->currentTask = 0;
        man->speechId = -1;
        man->thoughtId = -1;
        man->thoughtCountdown = 1;
        man->HandleStatusAndThoughts(false);
        woodThoughts += InGroup(man->thoughtId, 33052, 33066);
    }
    EXPECT_GT(woodThoughts, 45);
    EXPECT_LT(woodThoughts, 75);
}

// Only rock workers think of a full rock store, each time the work thought's
// draw of 0..2 is not zero; a woodcutter facing it has no such thought.
TEST_F(RoadTest, OnlyAnIdleRockWorkerThinksOfTheFullRockStore)
{
    CPerson* man = Man();
    ASSERT_NE(man, nullptr);
    man->data.energy = man->data.food = 9000;  // no need speaks first
    stock->AddRock(stock->GetMaxResource(1));
    ASSERT_TRUE(stock->IsResourceMaxed(1));
    stock->AddWood(10);
    ASSERT_FALSE(stock->IsResourceMaxed(0));
    for (int task : {2, 3, 4, 5, 14}) {
        man->PermitTask(task, false);
    }
    for (int task : {4, 2}) {
        SCOPED_TRACE(testing::Message() << "permitted task " << task);
        man->PermitTask(task, true);
        int rockThoughts = 0;
        for (int round = 0; round < 60; round++) {
            man->idle = true;
            man->currentTask = 0;
            man->speechId = -1;
            man->thoughtId = -1;
            man->thoughtCountdown = 1;
            man->statusTimer = 5000;  // no status text drawn first
            SFMT copy = RandomGenerator();
            const bool thinks = task == 4 && copy.GenRand32() % 3 != 0;
            man->HandleStatusAndThoughts(false);
            ASSERT_EQ(InGroup(man->thoughtId, 33068, 33082), thinks) << "round " << round;
            rockThoughts += thinks;
        }
        EXPECT_EQ(rockThoughts > 0, task == 4);
        man->PermitTask(task, false);
    }
}

}  // namespace
