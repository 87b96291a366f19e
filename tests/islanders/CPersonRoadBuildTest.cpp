#include "RoadFixture.h"

#include "BuildingClasses.h"
#include "CBuilding.h"
#include "CControllerTrophies.h"
#include "CFireplace.h"

namespace {

constexpr int kWoodStorehouse = 4;

}  // namespace

TEST_F(RoadTest, AManDroppedOnABuildingSiteWorksOnItAndCarriesMaterialsThere)
{
    CPerson* man = Man();
    ASSERT_TRUE(man && !CFireplace::fireplaces.empty());
    // A site beside the camp, where the ground is open.
    CFireplace* camp = CFireplace::fireplaces.front();
    CBuilding* site = ClassOfType(kWoodStorehouse).place(camp->GetX() + 220, camp->GetY() + 60, kWoodStorehouse);
    site->UnHide();
    Carry(man, site->GetX(), site->GetY());
    const coordinate onSite = PointOn(site);
    ASSERT_NE(onSite.x, -1);
    ReleaseAt(onSite);
    ASSERT_EQ(man->GetCurrentTask(), 5);
    EXPECT_TRUE(man->IsTaskPermitted(6) && man->IsTaskPermitted(7)) << "building permits carrying too";
    EXPECT_EQ(man->targetBuilding, site);

    // A builder done at one stand point takes the work up again in the same
    // frame, so the task may never read as anything but building: the
    // site's progress tells the work.
    const float before = site->PercentageComplete();
    EXPECT_TRUE(RunUntil([&] { return site->PercentageComplete() > before; }, 600));

    // Then he carries wood or rock from the stock to the site.
    stock->AddWood(5);
    stock->AddRock(5);
    const int materials = stock->GetWood() + stock->GetRock();
    // A site a builder could not reach from one side waits out the next
    // searches; the carrier keeps asking, as an idle islander would.
    bool carrying = false;
    for (int ask = 0; ask < 10 && !carrying; ask++) {
        carrying = man->AttemptTaskRepeatedly(6, false);
    }
    ASSERT_TRUE(carrying);
    ASSERT_TRUE(RunUntil([&] { return man->carriedItem != -1; }, 2000)) << "fetches a load at the pile";
    EXPECT_EQ(stock->GetWood() + stock->GetRock(), materials - 1);
    const float carried = site->PercentageComplete();
    // Deciding takes the carrying up again at once, so the task itself may
    // never change: the site's progress tells the delivery.
    EXPECT_TRUE(RunUntil([&] { return site->PercentageComplete() > carried; }, 2000)) << "the load was delivered";
}

TEST_F(RoadTest, AManTakingABuildingDownCarriesItsMaterialsToTheStockOneLoadAtATime)
{
    CPerson* man = Man();
    ASSERT_TRUE(man && !CFireplace::fireplaces.empty());
    CFireplace* camp = CFireplace::fireplaces.front();
    CBuilding* store = ClassOfType(kWoodStorehouse).place(camp->GetX() + 220, camp->GetY() + 60, kWoodStorehouse);
    store->FinishNow();
    store->SetBuildingDemolitionState(true);
    store->GiveResponse(true);
    ASSERT_TRUE(store->IsBeingDemolished());
    Carry(man, store->GetX(), store->GetY());
    const coordinate onStore = PointOn(store);
    ASSERT_NE(onStore.x, -1);
    ReleaseAt(onStore);
    ASSERT_EQ(man->targetBuilding, store);

    bool carrying = false;
    for (int ask = 0; ask < 10 && !carrying; ask++) {
        carrying = man->AttemptTaskRepeatedly(7, false);
    }
    ASSERT_TRUE(carrying);
    // Every unit the stock gains was a load carried from the building, and
    // the carrier goes back for the next load by himself.
    const int before = stock->GetWood() + stock->GetRock();
    int loads = 0;
    bool held = false;
    auto tally = [&] {
        const bool holding = man->carriedItem != -1;
        loads += holding && !held;
        held = holding;
        return stock->GetWood() + stock->GetRock() - before;
    };
    EXPECT_TRUE(RunUntil([&] { return tally() > 0; }, 3000)) << "the first load reaches the stock";
    EXPECT_EQ(tally(), 1);
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(RunUntil(
        [&] {
            EXPECT_LE(tally(), loads);
            return loads == 2;
        },
        3000))
        << "he fetches a second load";
}

TEST_F(RoadTest, AStorehouseFinishedInPlayWinsTheFirstTrophyAndItsAnnouncementOpens)
{
    ASSERT_FALSE(CControllerTrophies::IsTrophyComplete(1));
    CBuilding* store = ClassOfType(4).place(island->GetStartX() + 400, island->GetStartY() + 300, 4);
    store->FinishNow();
    for (int frame = 0; frame < 10 && CController::focus == game; frame++) {
        Frame();
    }
    EXPECT_TRUE(CControllerTrophies::IsTrophyComplete(1));
    ASSERT_NE(CControllerGame::trophyUnlock, nullptr);
    EXPECT_EQ(CController::focus, CControllerGame::trophyUnlock);
    CControllerGame::trophyUnlock->dismissed = true;
    CControllerGame::trophyUnlock->ShutDown(0);
    Frame();
    EXPECT_EQ(CController::focus, game);
}
