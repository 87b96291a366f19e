// Finding buildings: the islanders' random search with its skip counters,
// the nearest storehouse, and the roofed huts' ghost and placing point.
#include "CDraw.h"
#include "tests/buildings/PlainBuilding.h"
#include "CStorehouseFood.h"
#include "tests/buildings/BuildingsFixture.h"

TEST_F(BuildingsTest, TheSearchPassesOverDelayedBuildingsAndCountsThemDown)
{
    int atX = 0, atY = 0, dir = 0, location = -1;
    EXPECT_EQ(CBuilding::FindCoords(atX, atY, dir, location, false, false, false), nullptr);
    CBuilding* first = new CStorehouseFood(1500, 1500);
    first->DelayChop();
    // Nine draws a search, each lowering the counter of 150 by one.
    for (int search = 1; search <= 16; search++) {
        EXPECT_EQ(CBuilding::FindCoords(atX, atY, dir, location, true, false, false), nullptr) << search;
    }
    EXPECT_EQ(location, -1);
    EXPECT_EQ(CBuilding::FindCoords(atX, atY, dir, location, true, false, false), first);
    EXPECT_GE(location, 0);
    EXPECT_LE(location, 3);
    EXPECT_TRUE(dir == 1 || dir == 2);

    CBuilding* second = new CStorehouseFood(2500, 1500);
    first->FinishNow();
    second->FinishNow();
    EXPECT_EQ(CBuilding::FindCoords(atX, atY, dir, location, true, false, false), nullptr) << "nothing to do";
    EXPECT_EQ(CBuilding::FindCoords(atX, atY, dir, location, false, true, false), nullptr);
}

TEST_F(BuildingsTest, TheFirstOfEquallyNearStorehousesTakesTheDelivery)
{
    CBuilding* west = new CStorehouseFood(1000, 1500);
    CBuilding* east = new CStorehouseFood(1400, 1500);
    west->FinishNow();
    east->FinishNow();
    int atX = 1200, atY = 1500;
    EXPECT_EQ(CBuilding::GetPileCoordinates(atX, atY, 3), west);
    EXPECT_EQ(atX, 1000);
    atX = 1201;
    EXPECT_EQ(CBuilding::GetPileCoordinates(atX, atY, 6), east);
    atX = 7;
    EXPECT_EQ(CBuilding::GetPileCoordinates(atX, atY, 0), nullptr);
    EXPECT_EQ(atX, 7);
}

TEST_F(BuildingsTest, ARoofedHutIsPlacedAsItsGhostShowsIt)
{
    CDraw& draw = resources.Draw();
    const int hut = draw.LoadImage("hut_style1_construct4.png", false, true);
    const int roof = draw.LoadImage("hut_roof_style1.png", false, true);
    CSprite* ghost = CBuilding::sBuildingGhost[15];
    EXPECT_EQ(ghost->GetH(), draw.GetH(hut) + 41);
    EXPECT_EQ(ghost->GetW(), draw.GetW(roof));
    EXPECT_EQ(ghost->GetNumImages(), 2);
    draw.RemoveImage(hut);
    draw.RemoveImage(roof);

    SetStep(25, true);
    CBuilding::HoverBuilding(15);
    MouseAtWorld(1500, 1500);
    Frame();
    ASSERT_EQ(Ghost(), 0);
    CBuilding::MouseClick();
    ASSERT_EQ(CBuilding::buildings.size(), 1u);
    EXPECT_EQ(CBuilding::buildings[0]->GetX(), 1497);
    EXPECT_EQ(CBuilding::buildings[0]->GetY(), 1521);
    EXPECT_EQ(CBuilding::buildings[0]->GetType(), 1);
    EXPECT_TRUE(CBuilding::buildings[0]->isHut);
    EXPECT_TRUE(StepDone(26));
    EXPECT_EQ(CBuilding::HoverBuilding(-1), -1);
    EXPECT_EQ(CObject::placingBuilding, -1);
}
