#include "RoadFixture.h"

#include "BuildingClasses.h"
#include "CFireplace.h"
#include "CHut.h"

namespace {

constexpr int kHut = 1, kHutVariant = 0;

}  // namespace

TEST_F(RoadTest, ATiredManSleepsInAHutUntilRestedAndWalksOutWithAWakingRemark)
{
    CPerson* man = Man();
    ASSERT_TRUE(man && !CFireplace::fireplaces.empty());
    CFireplace* camp = CFireplace::fireplaces.front();
    CHut* hut = static_cast<CHut*>(ClassOfType(kHut).place(camp->GetX() - 200, camp->GetY() + 80, kHutVariant));
    hut->FinishNow();
    man->data.energy = 9500;
    man->PermitTask(8, true);
    ASSERT_TRUE(man->AttemptTaskRepeatedly(8, false));
    EXPECT_EQ(man->targetHut, hut);
    EXPECT_EQ(hut->occupant, man) << "reserved on the way";

    ASSERT_TRUE(RunUntil([&] { return man->GetCurrentSubTask() == 9; }, 1500)) << "walks in through the door";
    EXPECT_NE(man->zOverride, -1) << "drawn inside the hut";
    int z = 0;
    EXPECT_FALSE(man->IsAtCoords(z, Round(man->data.x) + 17, Round(man->data.y))) << "cannot be picked up inside";

    // Rest starts from nothing however tired the sleeper (a frame's tiring
    // may take a point straight back), and ends on the frame it passes 9999.
    man->data.energy = -50;
    Frame();
    EXPECT_GE(man->data.energy, 0);
    EXPECT_LE(man->data.energy, 1);
    man->data.energy = 9998;
    Frame();
    ASSERT_EQ(man->GetCurrentSubTask(), 9) << "not rested at 9999";
    man->data.energy = 9999;
    Frame();
    EXPECT_TRUE(man->GetCurrentSubTask() != 9 || man->subTaskDone) << "rested at 10000";

    ASSERT_TRUE(RunUntil([&] { return man->GetCurrentSubTask() != 9; }, 700));
    EXPECT_GE(man->data.energy, 9990) << "rested, less the first steps out";
    EXPECT_EQ(man->GetCurrentTask(), 1) << "walks out of the door";
    EXPECT_EQ(hut->occupant, nullptr);
    EXPECT_GE(man->speechId, 34000);
    EXPECT_LT(man->speechId, 34080);
    EXPECT_TRUE(RunUntil([&] { return man->zOverride == -1; }, 600)) << "drawn outside once through the door";
}

TEST_F(RoadTest, LeftToThemselvesAHungryManEatsAtTheFireAndATiredOneSleepsInTheHut)
{
    CPerson* man = Man();
    ASSERT_TRUE(man && !CFireplace::fireplaces.empty());
    CFireplace* camp = CFireplace::fireplaces.front();
    CHut* hut = static_cast<CHut*>(ClassOfType(kHut).place(camp->GetX() - 200, camp->GetY() + 80, kHutVariant));
    hut->FinishNow();
    stock->AddWood(10);
    stock->AddFood(10, 0);
    for (int task : {8, 13}) {
        man->PermitTask(task, true);
    }

    // No drop: the man's own deciding sends him.
    man->EndTask(false);
    man->data.food = 1000;
    EXPECT_TRUE(RunUntil([&] { return man->data.food >= 4000; })) << "went and ate";
    man->data.energy = 1000;
    EXPECT_TRUE(RunUntil([&] { return man->GetCurrentTask() == 8 && man->GetCurrentSubTask() == 9; }))
        << "went to bed";
    const int asleep = man->data.energy;
    EXPECT_TRUE(RunUntil([&] { return man->data.energy >= asleep + 500; }, 1000)) << "rests in there";
}
