// The road of one storehouse: chosen, placed past a pile, a rock and sand,
// raised, counted in the stock's capacity, and taken down again.
#include "CResources.h"
#include "CStone.h"
#include "CStorehouseWood.h"
#include "tests/buildings/BuildingsFixture.h"

namespace {

constexpr int kWoodStorehouse = 4;

int OwnedObstructions(CObject* owner)
{
    return static_cast<int>(std::count_if(CObject::obstructions.begin(), CObject::obstructions.end(),
                                          [owner](const obstruction_type& o) { return o.owner == owner; }));
}

}  // namespace

TEST_F(BuildingsTest, AStorehouseIsPlacedRaisedCountedAndTakenDown)
{
    const coordinate pile = kAnchors[0];
    EXPECT_EQ(CBuilding::HoverBuilding(kWoodStorehouse), kWoodStorehouse);
    ASSERT_EQ(CObject::placingBuilding, kWoodStorehouse);

    // Over the wood pile on sand: the ground is named first.
    SandAt(pile.x, pile.y);
    MouseAtWorld(pile.x, pile.y);
    Frame();
    EXPECT_EQ(Ghost(), 1);
    EXPECT_EQ(CBuilding::toolTip.id, 10500);
    EXPECT_EQ(CBuilding::toolTipFrames, 3);
    AllGrass();
    Frame();
    EXPECT_EQ(CBuilding::toolTip.id, 10502) << "standing on the pile";

    // Beside the pile: its point is in reach of the ghost while the
    // footprint stays clear of the mat.
    const int ghostW = CBuilding::sBuildingGhost[kWoodStorehouse]->GetW();
    MouseAtWorld(pile.x + 80 + ghostW / 2, pile.y);
    Frame();
    EXPECT_EQ(Ghost(), 1);
    EXPECT_EQ(CBuilding::toolTip.id, 10501);

    new CStone(1500, 1500, 0, 0, false, false);
    MouseAtWorld(1500, 1480);
    Frame();
    EXPECT_EQ(Ghost(), 1);
    EXPECT_EQ(CBuilding::toolTip.id, 10502) << "over a rock";
    CBuilding::MouseClick();
    EXPECT_TRUE(CBuilding::placementFailed);
    EXPECT_EQ(CObject::placingBuilding, kWoodStorehouse) << "a refused click keeps placing";
    EXPECT_TRUE(CBuilding::buildings.empty());

    CBuilding::toolTip = {};
    MouseAtWorld(2000, 2000);
    Frame();
    EXPECT_EQ(Ghost(), 0);
    EXPECT_EQ(CBuilding::toolTip.id, 0);
    const int placed = Placed();
    CBuilding::MouseClick();
    ASSERT_EQ(CStorehouseWood::allBuildings.size(), 1u);
    CStorehouseWood* store = CStorehouseWood::allBuildings[0];
    EXPECT_EQ(Placed(), placed + 1);
    EXPECT_EQ(CObject::placingBuilding, -1);
    CBuilding::MouseClick();
    EXPECT_EQ(CBuilding::buildings.size(), 1u) << "one building per choice";
    EXPECT_EQ(store->GetX(), 2000);
    EXPECT_EQ(store->GetY(), 2000);
    EXPECT_EQ(Round(store->x) + store->GetSprite()->GetW() / 2, 2000) << "put down centred on the mouse";
    EXPECT_EQ(Round(store->y) + store->GetSprite()->GetH() / 2, 2000);
    Frame();
    EXPECT_TRUE(CBuilding::sBuildingGhost[kWoodStorehouse]->Hidden());

    // Islanders raise it, a unit and some work a trip.
    SetStep(97, true);
    const int siteBoxes = OwnedObstructions(store);
    EXPECT_EQ(siteBoxes, 3);
    int trips = 0;
    while (!store->IsComplete()) {
        ASSERT_LT(++trips, 1000);
        EXPECT_EQ(Stock()->GetMaxResource(0), 100);
        const selection_result detail = store->GetSelectedTopDetail();
        EXPECT_EQ(detail.id, 2024);
        EXPECT_LE(detail.number, 99);
        store->AddResource(1, store->WhichResourceIsNeeded());
        store->Build(200);
        Frame();
    }
    EXPECT_EQ(trips, 200);
    EXPECT_EQ(Stock()->GetMaxResource(0), 600);
    EXPECT_EQ(Stock()->GetMaxResource(1), 100);
    EXPECT_EQ(store->GetSelectedTopDetail().id, 0);
    EXPECT_EQ(Trophies() & 1, 1);
    EXPECT_FALSE(StepDone(97)) << "a storehouse finished in play reopens its step";
    SetStep(97, true);
    Frame();
    EXPECT_TRUE(StepDone(97)) << "the effects run once";
    EXPECT_EQ(store->DroppedOn(), 0);

    // The demolish button asks; a stale notice flag must not make it a
    // one-button notice.
    CObject::requestingFeedbackData.noticeOnly = 1;
    EXPECT_EQ(store->GetSelectedDetailButton().id, 3020);
    store->RespondToDetailButtonClick();
    EXPECT_EQ(CObject::requestingFeedback, store);
    EXPECT_EQ(CObject::requestingFeedbackData.id, 12003);
    EXPECT_EQ(CObject::requestingFeedbackData.noticeOnly, 0);
    store->GiveResponse(true);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
    EXPECT_TRUE(store->IsBeingDemolished());
    EXPECT_EQ(Stock()->GetMaxResource(0), 100) << "at once, before anything is carried away";
    EXPECT_EQ(store->GetSelectedDetailButton().id, -1);
    EXPECT_EQ(store->DroppedOn(), 5);

    // Carried away a unit a trip, the larger remainder first.
    store->AddResource(-30, 1);
    const int trophies = Trophies();
    while (!store->IsDemolished()) {
        ASSERT_LT(++trips, 1000);
        const building_data before = [&] {
            CBuilding::SaveBuildings();
            return profile.GetVectorValue<building_data>(6).at(0);
        }();
        const int which = store->WhichResourceIsNeeded();
        EXPECT_GE(which == 0 ? before.wood : before.rock, which == 0 ? before.rock : before.wood);
        EXPECT_EQ(store->GetSelectedTopDetail().id, 2025);
        store->AddResource(-1, which);
        store->Build(300);
        Frame();
    }
    Frame();
    EXPECT_TRUE(store->GetSprite()->Hidden());
    EXPECT_EQ(OwnedObstructions(store), 0);
    int z = 0;
    EXPECT_FALSE(store->IsAtCoords(z, store->GetX(), store->GetY()));
    EXPECT_EQ(Trophies(), trophies) << "a finished demolition is no completion";
    CBuilding::SaveBuildings();
    EXPECT_TRUE(profile.GetVectorValue<building_data>(6).empty());
}
