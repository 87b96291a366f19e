// Saplings on a real island with the game screen: painting markers with the
// mouse, an islander planting one, the hour of growth that waits for the view
// to leave, dust, failed reaches, and the records that carry saplings
// through a save.
#include "CMouseCursor.h"
#include "CSidebar.h"
#include "CSprite.h"
#include "CTree.h"
#include "CTreeIndicator.h"
#include "CTutorialDialog.h"
#include "tests/islanders/RoadFixture.h"

#include <algorithm>

namespace {

constexpr int kSaplingsGrown = 61;

class SaplingTest : public RoadTest {
protected:
    void SetUp() override
    {
        RoadTest::SetUp();
        CTreeIndicator::Init();
    }

    void TearDown() override
    {
        CTreeIndicator::PlaceTrees(-1);
        CTreeIndicator::Unload();
        RoadTest::TearDown();
    }

    // A screen point near the start where a marker may go, clear of the
    // lesson's panel, which takes the presses over it.
    coordinate FreeLand()
    {
        const int sx = island->GetStartX(), sy = island->GetStartY();
        Show(sx, sy);
        return PointWhere(sx, sy, 260, [&] {
            const int wx = CMouseCursor::GetMouseX() - island->offsetX;
            const int wy = CMouseCursor::GetMouseY() - island->offsetY;
            return island->IsNotOnWater(wx, wy) && !CObject::Collision(wx - 90, wy - 90, 180, 180, true) &&
                   !island->IsMouseOverResourcePile() && !CTutorialDialog::IsMouseOver();
        });
    }

    // The sea nearest the start along its row, brought into view; the
    // screen point over it.
    coordinate Sea()
    {
        const int sy = island->GetStartY();
        for (int wx = island->GetStartX(); wx > 0; wx -= 16) {
            if (!island->IsNotOnWater(wx, sy)) {
                Show(wx, sy);
                return ToScreen(wx, sy);
            }
        }
        return {-1, -1};
    }

    void MoveMouse(int x, int y)
    {
        MouseAt(x, y);
        game->InputMouseMove(x, y);
    }

    int TipShown() const
    {
        CSidebar* sidebar = CControllerGame::sidebar;
        return sidebar->timedMessageFrames > 0 ? sidebar->timedMessage.id : -1;
    }

    static CTreeIndicator* Marker(int px, int py)
    {
        CTreeIndicator* marker = new CTreeIndicator(px, py, false, -1, false);
        CTreeIndicator::treeIndicator.push_back(marker);
        return marker;
    }
};

TEST_F(SaplingTest, APressPaintsOneMarkerADragPaintsMoreOnlyClearOfTheLastAndTheReleaseEndsPlacing)
{
    const coordinate spot = FreeLand();
    ASSERT_NE(spot.x, -1);
    CTreeIndicator::PlaceTrees(0);
    MoveMouse(spot.x, spot.y);
    EXPECT_EQ(TipShown(), 15113) << "the hint to press";
    EXPECT_TRUE(CTreeIndicator::treeIndicator.empty()) << "a move alone paints nothing";

    game->InputMouseClick(true, false, false);
    ASSERT_EQ(CTreeIndicator::treeIndicator.size(), 1u);
    CTreeIndicator* first = CTreeIndicator::treeIndicator[0];
    EXPECT_EQ(first->GetX(), spot.x - island->offsetX - 14);
    EXPECT_EQ(first->GetY(), spot.y - island->offsetY - 50);
    EXPECT_FALSE(first->IsGrown());

    MoveMouse(spot.x + 40, spot.y);
    EXPECT_EQ(CTreeIndicator::treeIndicator.size(), 1u) << "inside the last marker's box";
    EXPECT_EQ(TipShown(), 10504);
    EXPECT_EQ(CTreeIndicator::sTreeIndicatorGhosts->GetFrame(), 1u) << "the red ghost";

    // Further along the drag, the first free spot takes the second marker.
    for (int dx = 45; dx < 400 && CTreeIndicator::treeIndicator.size() == 1; dx += 5) {
        for (int dy = -200; dy <= 200 && CTreeIndicator::treeIndicator.size() == 1; dy += 20) {
            MoveMouse(spot.x + dx, spot.y + dy);
        }
    }
    ASSERT_EQ(CTreeIndicator::treeIndicator.size(), 2u);
    CTreeIndicator* second = CTreeIndicator::treeIndicator[1];
    EXPECT_GE(std::max(std::abs(second->GetX() - first->GetX()), std::abs(second->GetY() - first->GetY())), 90);

    game->InputMouseClick(true, false, true);
    EXPECT_EQ(CTreeIndicator::GetTreePlacementType(), -1) << "one run of saplings a press";
    EXPECT_EQ(CTreeIndicator::treeData.size(), 2u);
}

TEST_F(SaplingTest, OverTheSeaNothingIsPaintedAndTheTipSaysWhy)
{
    CTreeIndicator::PlaceTrees(0);
    const coordinate sea = Sea();
    ASSERT_NE(sea.x, -1);
    MoveMouse(sea.x, sea.y);
    game->InputMouseClick(true, false, false);
    EXPECT_TRUE(CTreeIndicator::treeIndicator.empty());
    EXPECT_EQ(TipShown(), 10505);
    game->InputMouseClick(true, false, true);

    // Leaving placing clears a refusal from the panel.
    CTreeIndicator::MouseMove();
    EXPECT_NE(TipShown(), 10505);
}

TEST_F(SaplingTest, AManDroppedOnAMarkerPlantsItAndTheSaplingBecomesATreeOnceTheViewLeavesIt)
{
    const coordinate spot = FreeLand();
    ASSERT_NE(spot.x, -1);
    CTreeIndicator* marker = Marker(spot.x - island->offsetX, spot.y - island->offsetY);
    Frame();
    CPerson* man = Man();
    ASSERT_TRUE(man);
    man->PermitTask(16, false);
    Carry(man, marker->GetX(), marker->GetY());
    Show(marker->GetX(), marker->GetY());
    const coordinate on = PointOn(marker);
    ASSERT_NE(on.x, -1);
    ReleaseAt(on);
    EXPECT_EQ(man->GetCurrentTask(), 16);
    ASSERT_TRUE(RunUntil([&] { return marker->IsGrown(); }));
    EXPECT_EQ(CTreeIndicator::treeData[0].grown, 1);
    EXPECT_EQ(CTreeIndicator::treeData[0].age, 0);

    // A man dropped on the growing sapling finds nothing to plant.
    int x = 0, y = 0, side = 0;
    MouseAt(on.x, on.y);
    EXPECT_EQ(CTreeIndicator::FindCoords(x, y, side, true), nullptr);

    Show(marker->GetX(), marker->GetY());
    for (int tick = 0; tick < 108000; tick++) {
        marker->Age(false);
    }
    EXPECT_EQ(CTreeIndicator::treeData[0].age % 300, 0);
    EXPECT_GT(CTreeIndicator::treeData[0].age, 107000) << "refreshed as it grows";
    ASSERT_EQ(CTreeIndicator::treeIndicator.size(), 1u) << "no tree springs up in view";

    const size_t trees = island->trees.size();
    const int grown = CProfile::current->GetValue<int>(kSaplingsGrown);
    Show(marker->GetX() + 1500 < 3900 ? marker->GetX() + 1500 : marker->GetX() - 1500, marker->GetY());
    EXPECT_TRUE(CTreeIndicator::treeIndicator.empty());
    EXPECT_EQ(island->trees.size(), trees + 1);
    EXPECT_EQ(CProfile::current->GetValue<int>(kSaplingsGrown), grown + 1);
    EXPECT_TRUE(CTreeIndicator::treeData.empty()) << "the record goes with the sapling";
}

TEST_F(SaplingTest, ASaplingRipensOnItsHundredAndEightThousandthTickInViewOnlyWhenForced)
{
    const coordinate spot = FreeLand();
    ASSERT_NE(spot.x, -1);
    const int wx = spot.x - island->offsetX, wy = spot.y - island->offsetY;
    CTreeIndicator* inView = Marker(wx, wy);
    CTreeIndicator* away = Marker(wx + 1500 < 3900 ? wx + 1500 : wx - 1500, wy);
    Show(wx, wy);  // every game frame ages a sapling: none runs from planting on
    CTreeIndicator::GrowTree(inView);
    CTreeIndicator::GrowTree(away);
    const size_t trees = island->trees.size();
    for (int tick = 1; tick < 108000; tick++) {
        inView->Age(true);
        away->Age(false);
    }
    EXPECT_EQ(CTreeIndicator::treeIndicator.size(), 2u) << "not a tick early";
    inView->Age(true);
    away->Age(false);
    EXPECT_TRUE(CTreeIndicator::treeIndicator.empty());
    EXPECT_EQ(island->trees.size(), trees + 2);
}

TEST_F(SaplingTest, DustTurnsMarkersIntoTreesAtOnce)
{
    const coordinate spot = FreeLand();
    ASSERT_NE(spot.x, -1);
    const int wx = spot.x - island->offsetX, wy = spot.y - island->offsetY;
    const size_t trees = island->trees.size();

    CTreeIndicator* lone = Marker(wx, wy);
    EXPECT_TRUE(lone->AcceptStardust());
    EXPECT_EQ(island->trees.size(), trees + 1) << "an unplanted marker becomes a whole tree";
    EXPECT_TRUE(lone->deleteMe);

    Marker(wx + 100, wy);
    CTreeIndicator* planted = Marker(wx - 100, wy + 50);
    CTreeIndicator::GrowTree(planted);
    CTreeIndicator* far = Marker(wx + 600, wy);
    MouseAt(spot.x, spot.y);
    EXPECT_TRUE(far->AcceptMoondust());
    EXPECT_EQ(island->trees.size(), trees + 3) << "every marker and sapling within reach";
    ASSERT_EQ(CTreeIndicator::treeIndicator.size(), 1u);
    EXPECT_EQ(CTreeIndicator::treeIndicator[0], far);
}

TEST_F(SaplingTest, SixtyFailedReachesDeleteTheMarkerAndStopItsPlanter)
{
    const coordinate spot = FreeLand();
    ASSERT_NE(spot.x, -1);
    CTreeIndicator* marker = Marker(spot.x - island->offsetX, spot.y - island->offsetY);
    CPerson* man = Man();
    man->ChangeTask(16);
    man->targetSaplingMarker = marker;
    for (int tries = 0; tries < 59; tries++) {
        marker->CantReachTree();
    }
    EXPECT_FALSE(marker->deleteMe);
    marker->CantReachTree();
    EXPECT_TRUE(marker->deleteMe);
    EXPECT_TRUE(CTreeIndicator::treeIndicator.empty());
    EXPECT_EQ(man->targetSaplingMarker, nullptr) << "nobody walks on to a marker that is freed";
}

TEST_F(SaplingTest, RecordsBelongToTheirSaplingsAndSurviveASave)
{
    // Two saplings painted on one spot keep apart.
    CTreeIndicator* first = Marker(2000, 2000);
    CTreeIndicator* second = Marker(2000, 2000);
    CTreeIndicator::GrowTree(second);
    ASSERT_EQ(CTreeIndicator::treeData.size(), 2u);
    EXPECT_EQ(CTreeIndicator::treeData[0].grown, 0);
    EXPECT_EQ(CTreeIndicator::treeData[1].grown, 1);
    for (int tick = 0; tick < 650; tick++) {
        second->Age(false);
    }
    EXPECT_EQ(CTreeIndicator::treeData[1].age, 600);
    EXPECT_EQ(CTreeIndicator::treeData[0].age, -1);

    CTreeIndicator::Save();
    std::vector<ti_data> saved = CProfile::current->GetVectorValue<ti_data>(19);
    saved[1].grown = 7;  // damaged: still planted
    saved.push_back(ti_data{2000000000, 5, 0, {0, 0, 0}, -1});
    CProfile::current->SetVectorValue<ti_data>(19, saved);
    first->deleteMe = second->deleteMe = true;
    CObject::MoveObjects(0, 0, 1);
    EXPECT_TRUE(CTreeIndicator::treeData.empty());

    CTreeIndicator::Load();
    ASSERT_EQ(CTreeIndicator::treeIndicator.size(), 2u) << "the record far off the island is left out";
    EXPECT_FALSE(CTreeIndicator::treeIndicator[0]->IsGrown());
    EXPECT_TRUE(CTreeIndicator::treeIndicator[1]->IsGrown());
    EXPECT_EQ(CTreeIndicator::treeIndicator[1]->GetX(), 1986);
    EXPECT_EQ(CTreeIndicator::treeIndicator[1]->GetY(), 1950);
    EXPECT_EQ(CTreeIndicator::treeData[1].grown, 1);
    EXPECT_EQ(CTreeIndicator::treeData[1].age, 600);
}

}  // namespace
