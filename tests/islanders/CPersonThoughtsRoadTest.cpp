// Thoughts that come from the stock on a real island: a hungry grown-up with
// food in store but no wood to cook it, and an idle woodcutter facing a full
// wood store.
#include "RoadFixture.h"

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

}  // namespace
