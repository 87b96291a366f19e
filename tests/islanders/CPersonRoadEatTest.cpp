#include "RoadFixture.h"

#include "CFireplace.h"

TEST_F(RoadTest, AManDroppedOnTheFoodMatEatsAtTheBurningFireUpToFull)
{
    CPerson* man = Man();
    ASSERT_TRUE(man && !CFireplace::fireplaces.empty());
    stock->AddWood(10);
    stock->AddFood(10, 0);
    ASSERT_TRUE(CFireplace::IsBurning());
    man->data.food = 8000;
    const int food = stock->GetFood(-1);

    Carry(man, stock->GetPileX(2), stock->GetPileY(2));
    const coordinate onMat = PointWhere(stock->GetPileX(2), stock->GetPileY(2), 60, [&] {
        return CObject::FindObjectAt(-1, -1, false, true) == stock && stock->DroppedOn() == 13;
    });
    ASSERT_NE(onMat.x, -1);
    ReleaseAt(onMat);
    ASSERT_EQ(man->GetCurrentTask(), 13);

    ASSERT_TRUE(RunUntil([&] { return man->GetCurrentSubTask() == 7; }, 1500)) << "takes food to the fire";
    EXPECT_EQ(stock->GetFood(-1), food - 1);
    EXPECT_GE(man->carriedItem, 2);
    ASSERT_TRUE(RunUntil([&] { return man->GetCurrentTask() != 13; }, 1500));
    EXPECT_EQ(man->data.food, 10000) << "a meal tops up to full and no further";
    EXPECT_EQ(man->carriedItem, -1);
    EXPECT_EQ(man->lastTask, 0) << "eating is not taken up again";

    // The finished fireplace itself gives no task.
    CFireplace* fire = CFireplace::fireplaces.front();
    Carry(man, fire->GetX(), fire->GetY());
    const coordinate onFire = PointOn(fire);
    ASSERT_NE(onFire.x, -1);
    ReleaseAt(onFire);
    EXPECT_EQ(man->GetCurrentTask(), 0);
}

TEST_F(RoadTest, WithoutAFireTheEaterWaitsAndTheNextMealEndsAtOnce)
{
    CPerson* man = Man();
    ASSERT_TRUE(man);
    stock->AddFood(10, 0);
    ASSERT_FALSE(CFireplace::IsBurning()) << "no wood, no fire";
    man->PermitTask(13, true);
    ASSERT_TRUE(man->AttemptTaskRepeatedly(13, false));
    ASSERT_TRUE(RunUntil([&] { return man->GetCurrentTask() != 13; }, 1500));
    EXPECT_TRUE(man->waitingForFire);
    EXPECT_EQ(stock->GetFood(-1), 10) << "nothing taken without a fire";
    EXPECT_FALSE(man->AttemptTaskRepeatedly(13, false));
}
