// What the player does to buildings beyond the storehouse's road: the ship's
// question, the tutorial's dust steps, dust and potions both ways, storms,
// and the completion effects a demolition must not earn.
#include "CControllerGame.h"
#include "tests/buildings/PlainBuilding.h"
#include "CStorehouseFood.h"
#include "tests/buildings/BuildingsFixture.h"

namespace {

constexpr int kHut = 1, kWonderA = 10, kGarden = 12, kShip = 13;

// The completed-building pointers are set only while a game screen exists;
// the buildings never look inside it, but other world objects do, so only
// the buildings are pumped meanwhile.
struct GameScreenPresent {
    GameScreenPresent() { CControllerGame::game = reinterpret_cast<CControllerGame*>(&storage); }
    ~GameScreenPresent() { CControllerGame::game = nullptr; }
    alignas(8) unsigned char storage[8];
};

void PumpBuildings()
{
    for (CBuilding* building : std::vector<CBuilding*>(CBuilding::buildings)) {
        building->Pump(0, 0, 1);
    }
}

building_data SavedOf(CBuilding* building)
{
    CBuilding::SaveBuildings();
    for (const building_data& record : CProfile::current->GetVectorValue<building_data>(6)) {
        if (record.placeX == building->GetX() && record.placeY == building->GetY()) {
            return record;
        }
    }
    return building_data{};
}

}  // namespace

TEST_F(BuildingsTest, OnlyARealCompletionEarnsItsEffects)
{
    GameScreenPresent game;
    // A wonder site taken down before anything was built is at once "done".
    CBuilding* site = new PlainBuilding(kWonderA, 10, 1500, 1500);
    site->SetBuildingDemolitionState(true);
    site->GiveResponse(true);
    ASSERT_TRUE(site->IsDemolished());
    PumpBuildings();
    EXPECT_EQ(Trophies() & (1 | 2), 0);
    EXPECT_EQ(CBuilding::isCompleteWonderA, nullptr);

    CBuilding* wonder = new PlainBuilding(kWonderA, 10, 2500, 1500);
    wonder->FinishNow();
    PumpBuildings();
    EXPECT_EQ(Trophies() & (1 | 2), 1 | 2);
    EXPECT_EQ(CBuilding::isCompleteWonderA, wonder);
    wonder->SetBuildingDemolitionState(true);
    EXPECT_EQ(CBuilding::isCompleteWonderA, wonder) << "a question is not yet an answer";
    wonder->GiveResponse(true);
    EXPECT_EQ(CBuilding::isCompleteWonderA, nullptr) << "cleared when the demolition starts";
    for (int i = 0; i < 100 && !wonder->IsDemolished(); i++) {
        wonder->AddResource(-100, wonder->WhichResourceIsNeeded());
        wonder->Build(1000000);
    }
    PumpBuildings();
    EXPECT_EQ(CBuilding::isCompleteWonderA, nullptr);

    CBuilding* hut = new PlainBuilding(kHut, 0, 1500, 2500);
    hut->FinishNow();
    PumpBuildings();
    EXPECT_TRUE(StepDone(24) && StepDone(34));
    EXPECT_FALSE(StepDone(23) || StepDone(35));
}

TEST_F(BuildingsTest, TheSailQuestionIsSettledByEveryAnswer)
{
    CBuilding* ship = new PlainBuilding(kShip, 21, 1500, 1500);
    EXPECT_EQ(ship->DroppedOn(), 5);
    ship->FinishNow();
    EXPECT_EQ(ship->DroppedOn(), 0);
    EXPECT_EQ(CObject::requestingFeedback, ship);
    EXPECT_EQ(CObject::requestingFeedbackData.id, 12354);
    ship->GiveResponse(false);
    EXPECT_FALSE(CBuilding::setSail);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);

    // "No" to sailing, then "yes" to taking it down: it comes down.
    ship->RespondToDetailButtonClick();
    EXPECT_EQ(CObject::requestingFeedbackData.id, 12003);
    ship->GiveResponse(true);
    EXPECT_FALSE(CBuilding::setSail);
    EXPECT_TRUE(ship->IsBeingDemolished());

    CBuilding* second = new PlainBuilding(kShip, 22, 2500, 1500);
    second->FinishNow();
    second->DroppedOn();
    second->GiveResponse(true);
    EXPECT_TRUE(CBuilding::setSail);
    EXPECT_FALSE(second->IsBeingDemolished());
}

TEST_F(BuildingsTest, TheTutorialDustStepsTopUpEveryBuildingButOneComingDown)
{
    SetStep(32, true);
    CBuilding* finished = new CStorehouseFood(1500, 1500);
    finished->FinishNow();
    EXPECT_TRUE(finished->AcceptStardust()) << "the step takes the dust";
    EXPECT_TRUE(StepDone(33));

    SetStep(33, false);
    CBuilding* leaving = new CStorehouseFood(2500, 1500);
    leaving->FinishNow();
    leaving->SetBuildingDemolitionState(true);
    leaving->GiveResponse(true);
    EXPECT_TRUE(leaving->AcceptStardust());
    EXPECT_FALSE(StepDone(33));
    EXPECT_EQ(SavedOf(leaving).work, 40000 - 7500) << "the ordinary demolition dust";

    CBuilding* site = new CStorehouseFood(1500, 2500);
    EXPECT_TRUE(site->AcceptStardust());
    EXPECT_TRUE(StepDone(33));
    EXPECT_GE(site->PercentageComplete(), 96.0f);
    EXPECT_LT(site->PercentageComplete(), 97.0f);

    SetStep(49, true);
    EXPECT_TRUE(site->AcceptStardust());
    EXPECT_TRUE(StepDone(50));
    EXPECT_GE(site->PercentageComplete(), 98.0f);
    EXPECT_FALSE(site->IsComplete());
}

TEST_F(BuildingsTest, DustPotionsAndStormsWorkOnTheConstructionState)
{
    CBuilding* hut = new PlainBuilding(kHut, 0, 1500, 1500);
    hut->Build(1000);
    EXPECT_TRUE(hut->AcceptStardust());
    building_data saved = SavedOf(hut);
    EXPECT_EQ(saved.work, 2500);
    EXPECT_EQ(saved.wood, 7);
    EXPECT_EQ(saved.rock, 7);

    hut->FinishNow();
    hut->Build(1);
    EXPECT_FALSE(hut->AcceptStardust());
    hut->Damage();
    EXPECT_EQ(SavedOf(hut).work, 2000);
    EXPECT_FALSE(hut->IsComplete());
    EXPECT_EQ(hut->DroppedOn(), 5);

    EXPECT_FALSE(hut->AcceptPotion(3));
    EXPECT_TRUE(hut->AcceptPotion(4));
    EXPECT_EQ(CBuilding::toolTip.id, 15016);
    EXPECT_EQ(CBuilding::toolTipFrames, 270);
    EXPECT_TRUE(hut->IsComplete());
    EXPECT_FALSE(hut->AcceptPotion(4));

    // Coming down, dust takes work and goods away in step.
    CBuilding* store = new CStorehouseFood(2500, 1500);
    store->FinishNow();
    store->SetBuildingDemolitionState(true);
    store->GiveResponse(true);
    store->Build(31000 / 5);
    EXPECT_TRUE(store->AcceptStardust());
    saved = SavedOf(store);
    EXPECT_EQ(saved.work, 1500);
    EXPECT_EQ(saved.wood, 3);
    EXPECT_EQ(saved.rock, 3);

    // A garden needs nothing: it stands finished.
    CBuilding* garden = new PlainBuilding(kGarden, 20, 1500, 2500);
    EXPECT_EQ(garden->PercentageComplete(), 100.0f);
    EXPECT_TRUE(garden->IsComplete());
}
