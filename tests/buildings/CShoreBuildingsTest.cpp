// The shipyard's and the ship's roads on a straight coast: land west of
// x = 2000, sea east of it. Placed only on the shore, built from the dry
// side, counted for the build menu, saved with their water flags, and the
// finished ship asks to sail.
#include "CBoat.h"
#include "CFarm.h"
#include "CShipyard.h"
#include "tests/buildings/BuildingsFixture.h"

namespace {

constexpr int kCoast = 2000;
constexpr int kShipyardVariant = 8;
constexpr int kTop = 1200;
constexpr int kSamplesWide = 2900, kSamplesHigh = 2600;

class ShoreTest : public BuildingsTest {
protected:
    void SetUp() override
    {
        BuildingsTest::SetUp();
        island->borderX = island->borderY = PLAYABLE_BORDER;
        island->AllocateGrids(kSamplesWide, kSamplesHigh);
        for (int sy = 0; sy < kSamplesHigh; sy++) {
            for (int sx = 0; sx < kSamplesWide; sx++) {
                island->SetHeight(sx, sy, sx - PLAYABLE_BORDER < kCoast ? 6000 : 0);
            }
        }
        AllGrass();
        CShipyard::numBuilt = 0;
    }

    // The mouse where the ghost of the variant being placed has its top-left
    // at (left, top).
    void GhostAt(int left, int top)
    {
        CSprite* ghost = CBuilding::sBuildingGhost[CObject::placingBuilding];
        MouseAtWorld(left + ghost->GetW() / 2, top + ghost->GetH() / 2);
    }

    CBuilding* PlaceAt(int variant, int left, int top)
    {
        if (CObject::placingBuilding != variant) {
            CBuilding::HoverBuilding(variant);
        }
        GhostAt(left, top);
        Frame();
        const size_t before = CBuilding::buildings.size();
        CBuilding::MouseClick();
        return CBuilding::buildings.size() > before ? CBuilding::buildings.back() : nullptr;
    }
};

}  // namespace

TEST_F(ShoreTest, AShipyardStandsOnlyWithTwoStandPointsInTheWater)
{
    CBuilding::HoverBuilding(kShipyardVariant);
    // The points lie at x + 7, 46, 375 and 473 from the left edge.
    const struct {
        int left;
        const char* wet;
    } refused[] = {{kCoast - 600, "none"}, {kCoast - 400, "one"}, {kCoast - 20, "three"}, {kCoast + 10, "four"}};
    for (const auto& place : refused) {
        CBuilding::toolTip = {};
        GhostAt(place.left, kTop);
        Frame();
        EXPECT_EQ(Ghost(), 1) << place.wet;
        EXPECT_EQ(CBuilding::toolTip.id, 10503) << place.wet;
    }

    // A garden's flagged ground under its footprint does not stop it.
    new CFarm(kCoast - 150, kTop + 250);
    CBuilding* yard = PlaceAt(kShipyardVariant, kCoast - 200, kTop);
    ASSERT_NE(yard, nullptr);
    CShipyard& shipyard = *static_cast<CShipyard*>(yard);
    EXPECT_EQ(Round(shipyard.x), kCoast - 200) << "the building stands where its ghost stood";
    EXPECT_EQ(Round(shipyard.y), kTop);
    EXPECT_TRUE(shipyard.IsWet(0) && shipyard.IsWet(2));
    EXPECT_FALSE(shipyard.IsWet(1) || shipyard.IsWet(3));
    for (int attempt = 0; attempt < 200; attempt++) {
        int x = 0, y = 0, dir = 0;
        const int point = shipyard.GetStandLocation(x, y, dir);
        ASSERT_TRUE(point == 1 || point == 3) << "builders never stand in the water";
        EXPECT_LT(x, kCoast);
        EXPECT_EQ(dir, 1);
    }

    // Anything else in the way is named before the shore.
    CBuilding::HoverBuilding(kShipyardVariant);
    GhostAt(kCoast - 200, kTop + 100);
    Frame();
    EXPECT_EQ(Ghost(), 1);
    EXPECT_EQ(CBuilding::toolTip.id, 10502);
}

TEST_F(ShoreTest, AFinishedShipyardOffersTheShipUntilItComesDown)
{
    CBuilding* yard = PlaceAt(kShipyardVariant, kCoast - 200, kTop);
    ASSERT_NE(yard, nullptr);
    Frame();
    EXPECT_EQ(CShipyard::numBuilt, 0) << "a building site does not count";
    yard->FinishNow();
    Frame();
    EXPECT_EQ(CShipyard::numBuilt, 1);
    Frame();
    EXPECT_EQ(CShipyard::numBuilt, 1);

    yard->SetBuildingDemolitionState(true);
    yard->GiveResponse(true);
    Frame();
    EXPECT_EQ(CShipyard::numBuilt, 0) << "coming down, it no longer counts";
    yard->AddResource(-1000, 0);
    yard->AddResource(-1000, 1);
    yard->Build(1000000);
    Frame();
    EXPECT_TRUE(yard->IsDemolished());
    EXPECT_EQ(CShipyard::numBuilt, 0);
    CObject::UnloadAll();
    EXPECT_EQ(CShipyard::numBuilt, 0);

    // A counted shipyard that goes away takes its count with it.
    CBuilding* second = PlaceAt(kShipyardVariant, kCoast - 200, kTop);
    ASSERT_NE(second, nullptr);
    second->FinishNow();
    Frame();
    EXPECT_EQ(CShipyard::numBuilt, 1);
    CObject::UnloadAll();
    EXPECT_EQ(CShipyard::numBuilt, 0);
}

TEST_F(ShoreTest, SavedWaterFlagsComeBackAsTheyWereAndDamagedOnesStillGiveAPoint)
{
    CBuilding* yard = PlaceAt(kShipyardVariant, kCoast - 200, kTop);
    ASSERT_NE(yard, nullptr);
    CBuilding* ship = PlaceAt(CBoat::LEFT, kCoast - 150, kTop + 600);
    ASSERT_NE(ship, nullptr);
    CBuilding::SaveBuildings();

    // The sea rises everywhere: the loaded buildings keep what was measured.
    for (int sy = 0; sy < kSamplesHigh; sy++) {
        for (int sx = 0; sx < kSamplesWide; sx++) {
            island->SetHeight(sx, sy, 0);
        }
    }
    const std::vector<CBuilding*> loaded = CBuilding::LoadBuildings();
    ASSERT_EQ(loaded.size(), 2u);
    CShipyard* shipyard = dynamic_cast<CShipyard*>(loaded[0]);
    CBoat* boat = dynamic_cast<CBoat*>(loaded[1]);
    ASSERT_TRUE(shipyard && boat);
    EXPECT_TRUE(shipyard->IsWet(0) && shipyard->IsWet(2) && !shipyard->IsWet(1) && !shipyard->IsWet(3));
    EXPECT_TRUE(boat->IsWet(0) && boat->IsWet(2) && !boat->IsWet(1) && !boat->IsWet(3));

    // Every flag set by damaged data: logged, and a point is still given.
    building_data damaged{};
    damaged.x = kCoast - 200;
    damaged.y = kTop;
    damaged.type = 8;
    damaged.variant = kShipyardVariant;
    std::fill(std::begin(damaged.kindFlags), std::end(damaged.kindFlags), 1);
    CShipyard* drowned = new CShipyard(damaged);
    damaged.type = 13;
    damaged.variant = CBoat::RIGHT;
    CBoat* sunk = new CBoat(damaged);
    for (CBuilding* building : {static_cast<CBuilding*>(drowned), static_cast<CBuilding*>(sunk)}) {
        int x = 0, y = 0, dir = 0;
        const int point = building->GetStandLocation(x, y, dir);
        EXPECT_TRUE(point >= 0 && point <= 3);
        EXPECT_TRUE(dir == 1 || dir == 2);
    }
}

TEST_F(ShoreTest, AShipGhostTurnsToTheFacingThatFitsAndOnlyOntoAClearHull)
{
    // Facing left, the bow rests on the land: at this spot only the left
    // facing fits.
    const int left = kCoast - 150, top = kTop;
    CBuilding::HoverBuilding(CBoat::RIGHT);
    GhostAt(left, top);
    Frame();
    EXPECT_EQ(CObject::placingBuilding, CBoat::LEFT);
    EXPECT_EQ(Ghost(), 0);

    // Something under the left-facing hull only: the ghost does not turn
    // onto it, and a click in that frame places nothing.
    CBuilding::HoverBuilding(-1);
    CObject::AddObstruction(left + 640, top + 250, 10, 10, nullptr, false);
    CBuilding::HoverBuilding(CBoat::RIGHT);
    GhostAt(left, top);
    Frame();
    EXPECT_EQ(CObject::placingBuilding, CBoat::RIGHT);
    EXPECT_EQ(Ghost(), 1);
    EXPECT_EQ(CBuilding::toolTip.id, 10502);
    CBuilding::MouseClick();
    EXPECT_TRUE(CBuilding::placementFailed);
    EXPECT_TRUE(CBuilding::buildings.empty());
    CObject::RemoveObstructions(nullptr);

    // A ship all at sea, or all ashore, is refused for the shore.
    CBuilding::HoverBuilding(CBoat::LEFT);
    for (int away : {kCoast + 100, kCoast - 900}) {
        CBuilding::toolTip = {};
        GhostAt(away, top);
        Frame();
        EXPECT_EQ(Ghost(), 1);
        EXPECT_EQ(CBuilding::toolTip.id, 10503);
    }

    // The turn and the click in one frame put down the ship that was tested,
    // over a garden whose flagged ground does not block the hull.
    new CFarm(left + 420, top + 300);
    CBuilding::HoverBuilding(-1);
    CBuilding* ship = PlaceAt(CBoat::RIGHT, left, top);
    ASSERT_NE(ship, nullptr);
    EXPECT_EQ(ship->GetVariant(), CBoat::LEFT);
    EXPECT_EQ(Round(ship->x), left) << "the building stands where its ghost stood";
    EXPECT_EQ(Round(ship->y), top);
    CBoat& boat = *static_cast<CBoat*>(ship);
    EXPECT_TRUE(boat.IsWet(0) && boat.IsWet(2) && !boat.IsWet(1) && !boat.IsWet(3));
    for (int attempt = 0; attempt < 100; attempt++) {
        int x = 0, y = 0, dir = 0;
        const int point = boat.GetStandLocation(x, y, dir);
        ASSERT_TRUE(point == 1 || point == 3);
        EXPECT_LT(x, kCoast);
    }
}

TEST_F(ShoreTest, TheFinishedShipAsksToSailAndAYesSetsSail)
{
    CBuilding* ship = PlaceAt(CBoat::LEFT, kCoast - 150, kTop);
    ASSERT_NE(ship, nullptr);
    EXPECT_EQ(ship->DroppedOn(), 5) << "builders first";
    EXPECT_EQ(ship->GetSelectedName().id, 2810);
    ship->FinishNow();
    Frame();
    EXPECT_EQ(ship->GetSelectedTopDetail().id, 0) << "no progress text";
    EXPECT_EQ(ship->DroppedOn(), 0);
    EXPECT_EQ(CObject::requestingFeedbackData.id, 12354);
    ship->GiveResponse(true);
    EXPECT_TRUE(CBuilding::setSail);
}
