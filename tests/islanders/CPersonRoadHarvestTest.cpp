#include "RoadFixture.h"

#include "BuildingClasses.h"
#include "CFarm.h"
#include "CFireplace.h"

namespace {

constexpr int kGarden = 12, kGardenVariant = 20;

class HarvestRoad : public RoadTest {
protected:
    // A planted garden beside the camp whose plots are ripe.
    CFarm* RipeGarden()
    {
        CFireplace* camp = CFireplace::fireplaces.front();
        CFarm* farm = static_cast<CFarm*>(
            ClassOfType(kGarden).place(camp->GetX() + 240, camp->GetY() + 80, kGardenVariant));
        farm->FinishNow();
        farm->AddPoints(900);
        for (int tick = 0; tick < 3000; tick++) {
            farm->Grow();
        }
        return farm;
    }
};

}  // namespace

TEST_F(HarvestRoad, AHarvesterBringsTheVegetableOfHisPlotToTheStock)
{
    CPerson* man = Man();
    CFarm* farm = RipeGarden();
    ASSERT_TRUE(man && farm->ReadyForHarvest());
    const int food = stock->GetFood(-1);
    ASSERT_TRUE(man->AttemptTaskRepeatedly(15, false));
    const int plot = man->workDirection;
    ASSERT_TRUE(RunUntil([&] { return man->GetCurrentSubTask() == 16; }, 2000));
    EXPECT_FALSE(farm->IsRipe(plot));
    EXPECT_EQ(man->carriedItem, farm->GetVeggieType(plot));
    ASSERT_TRUE(RunUntil([&] { return stock->GetFood(-1) > food; }));
    EXPECT_EQ(man->lastTask, 15);
}

TEST_F(HarvestRoad, APlotHarvestedWhileTheHarvesterWalksEndsHisTaskEmptyHanded)
{
    CPerson* man = Man();
    CFarm* farm = RipeGarden();
    const int food = stock->GetFood(-1);
    ASSERT_TRUE(man->AttemptTaskRepeatedly(15, false));
    ASSERT_EQ(man->GetCurrentSubTask(), 1);
    farm->RemoveVegetable(man->workDirection);
    ASSERT_TRUE(RunUntil([&] { return man->GetCurrentTask() != 15; }, 2000));
    EXPECT_EQ(man->carriedItem, -1);
    EXPECT_EQ(man->lastTask, 0);
    EXPECT_EQ(stock->GetFood(-1), food);
    EXPECT_TRUE(farm->ReadyForHarvest()) << "the other plots stay ripe";
}
