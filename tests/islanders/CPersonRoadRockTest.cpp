#include "RoadFixture.h"

#include "CStone.h"
#include "CTree.h"

namespace {

CStone* WorkableRock(CMap& island)
{
    for (CStone* rock : island.rocks) {
        if (!rock->IsScenery() && !rock->IsConsumed()) {
            return rock;
        }
    }
    return nullptr;
}

class RockRoad : public RoadTest {
protected:
    void DropOnRock(CPerson* man, CStone* rock)
    {
        Carry(man, rock->GetX(), rock->GetY());
        const coordinate onRock = PointOn(rock);
        ASSERT_NE(onRock.x, -1) << "the rock shows in the view";
        ReleaseAt(onRock);
    }
};

}  // namespace

TEST_F(RockRoad, AManDroppedOnARockBreaksItAndCarriesTheStoneHome)
{
    CPerson* man = Man();
    CStone* rock = WorkableRock(*island);
    ASSERT_TRUE(man && rock);
    const int stones = stock->GetRock();
    const int skill = man->data.skills[4];
    DropOnRock(man, rock);
    ASSERT_EQ(man->GetCurrentTask(), 4);
    EXPECT_EQ(man->targetRock, rock);
    ASSERT_TRUE(RunUntil([&] { return man->GetCurrentSubTask() == 6; }, 400));
    EXPECT_EQ(man->carriedItem, 1);
    ASSERT_TRUE(RunUntil([&] { return stock->GetRock() > stones; }));
    EXPECT_EQ(stock->GetRock(), stones + 1);
    EXPECT_TRUE(man->lastTask == 4 || man->GetCurrentTask() == 4) << "taken up again";
    EXPECT_GT(man->data.skills[4], skill);
}

TEST_F(RockRoad, ARockUsedUpUnderTheHammerStillYieldsTheStoneInHand)
{
    CPerson* man = Man();
    CStone* rock = WorkableRock(*island);
    ASSERT_TRUE(man && rock);
    const int stones = stock->GetRock();
    DropOnRock(man, rock);
    ASSERT_TRUE(RunUntil([&] { return man->GetCurrentSubTask() == 3 && man->taskFrames > 10; }, 50));
    for (int i = 0; i < 10000 && !rock->IsConsumed(); i++) {
        rock->RemoveResource();
    }
    ASSERT_TRUE(rock->IsConsumed());
    Frame();
    EXPECT_EQ(man->GetCurrentSubTask(), 6) << "the work stops at once";
    EXPECT_EQ(man->targetRock, nullptr);
    ASSERT_TRUE(RunUntil([&] { return stock->GetRock() > stones; }));
    EXPECT_EQ(stock->GetRock(), stones + 1);
}

TEST_F(RockRoad, ATreeFelledWhileTheChopperWalksToItEndsTheTaskQuietly)
{
    CPerson* man = Man();
    CTree* tree = nullptr;
    for (CTree* each : island->trees) {
        if (!each->IsScenery() && !each->IsMysterious() &&
            GetDist(static_cast<float>(each->GetX()), static_cast<float>(each->GetY()), man->data.x, man->data.y) > 300) {
            tree = each;
            break;
        }
    }
    ASSERT_TRUE(tree);
    CTree::AddToChoppable(tree);
    man->PermitTask(2, true);
    ASSERT_TRUE(man->AttemptTaskRepeatedly(2, false));
    ASSERT_EQ(man->GetCurrentSubTask(), 1) << "walking to the tree";
    for (int i = 0; i < 10000 && !tree->IsConsumed(); i++) {
        tree->RemoveResource(1);
    }
    Frame();
    EXPECT_NE(man->targetTree, tree) << "the felled tree is let go; deciding may pick another";
    EXPECT_EQ(man->lastTask, 0) << "not taken up again";
}
