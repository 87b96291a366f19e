// The island view: its bounds, the arrow keys, the edges, smooth centring
// and dragging, on an island of the playable size without terrain drawn.
#include "CControllerGame.h"
#include "tests/world/CMapGenerationFixture.h"

namespace {

class IslandViewTest : public IslandTest {
protected:
    CMap& Playable(int x, int y)
    {
        CMap& island = NewMap();
        island.playable = true;
        island.borderX = island.borderY = PLAYABLE_BORDER;
        island.AllocateGrids(PLAYABLE_SAMPLES, PLAYABLE_SAMPLES);
        island.offsetX = x;
        island.offsetY = y;
        // No terrain, so no coast waves to look for every frame.
        CProfile::current->SetValue<bool>(7, false);
        return island;
    }
};

}  // namespace

TEST_F(IslandViewTest, TheViewStaysOnTheIsland)
{
    struct move {
        int fromX, fromY, dx, dy, toX, toY;
    };
    const move moves[] = {
        {0, 0, 100, 100, 0, 0},
        {-100, -100, -50, 20, -150, -80},
        {-3000, -3000, -5000, -5000, -3261, -3305},
    };
    for (const move& m : moves) {
        CMap& island = Playable(m.fromX, m.fromY);
        EXPECT_EQ(island.OffsetMap(m.dx, m.dy), m.toX - m.fromX);
        EXPECT_EQ(island.offsetX, m.toX);
        EXPECT_EQ(island.offsetY, m.toY);
        EXPECT_EQ(island.scrollDeltaY, m.toY - m.fromY) << "the rain hears of every change";
    }
    // The preview is smaller than the view: every move ends in the same place.
    CMap& preview = NewMap();
    preview.borderX = preview.borderY = PREVIEW_BORDER;
    preview.AllocateGrids(PREVIEW_SAMPLES, PREVIEW_SAMPLES);
    preview.OffsetMap(-10, 30);
    EXPECT_EQ(preview.offsetX, 155);
    EXPECT_EQ(preview.offsetY, 111);
    EXPECT_EQ(preview.scrollDeltaX, 0);
}

TEST_F(IslandViewTest, AHeldArrowSpeedsUpToSixteenPixelsAFrame)
{
    CMap& island = Playable(-2000, -2000);
    island.CenterScreen(100, 100, false, false, false);
    island.arrowHeld[CMap::ARROW_LEFT] = true;
    for (int frame = 0; frame < 20; frame++) {
        island.Pump();
    }
    EXPECT_EQ(island.offsetX, -2000 + 200);  // 1 + 2 + ... + 16 + 4 x 16
    EXPECT_EQ(island.offsetY, -2000);
    EXPECT_FALSE(island.IsCenteringScreen()) << "an arrow ends the centring";
    island.arrowHeld[CMap::ARROW_LEFT] = false;
    island.Pump();
    island.arrowHeld[CMap::ARROW_UP] = true;
    island.Pump();
    EXPECT_EQ(island.offsetY, -2000 + 1) << "released, the speed starts again at 1";
}

TEST_F(IslandViewTest, TheEdgesScrollWhileSomethingIsCarriedOrPlaced)
{
    struct edge {
        bool placing;
        int mouseX;
        int step;  // change of the offset in one frame
    };
    const edge edges[] = {
        {false, 0, 10}, {false, 149, 1}, {false, 150, 0}, {false, 700, -10},
        {true, 0, 10},  {true, 74, 1},   {true, 75, 0},
    };
    for (const edge& e : edges) {
        SCOPED_TRACE(e.mouseX);
        CMap& island = Playable(-2000, -2000);
        island.personCarried = true;
        CTreeIndicator::placingTrees = e.placing ? 0 : -1;
        MouseAt(e.mouseX, 300);
        island.Pump();
        EXPECT_EQ(island.offsetX, -2000 + e.step);
        EXPECT_EQ(island.offsetY, -2000);
    }
    CTreeIndicator::placingTrees = -1;
    CMap& island = Playable(-2000, -2000);
    MouseAt(0, 0);
    island.Pump();
    EXPECT_EQ(island.offsetX, -2000) << "nothing carried, no edge scrolling";
}

TEST_F(IslandViewTest, CentringGlidesAndALockedOneWaitsForItsEnd)
{
    CMap& island = Playable(-1000, -1000);
    island.CenterScreen(2000, 2000, false, false, true);
    island.Pump();
    EXPECT_EQ(island.offsetX, -1068) << "a tenth of the way";
    int frames = 1;
    while (island.IsCenteringScreen() && frames < 100) {
        island.Pump();
        frames++;
    }
    EXPECT_LT(frames, 100);
    EXPECT_NEAR(island.offsetX, 322 - 2000, 5);
    EXPECT_NEAR(island.offsetY, 280 - 2000, 5);

    island.CenterScreen(2000, 2000, false, false, true);
    const coordinate refused = island.CenterScreen(100, 100, true, false, false);
    EXPECT_EQ(refused.x, 0) << "not even at once while locked";
    island.StopCenteringScreen();
    const int before = island.offsetX;
    const coordinate jumped = island.CenterScreen(100, 100, true, false, false);
    EXPECT_EQ(island.offsetX, 222) << "not clamped until the next pump";
    EXPECT_EQ(jumped.x, 222 - before);
    island.Pump();
    EXPECT_EQ(island.offsetX, 0);

    // Smart: only the axis on which the point left the box moves.
    island.offsetX = island.offsetY = -1000;
    island.CenterScreen(1300, 1300, false, true, false);
    EXPECT_FALSE(island.IsCenteringScreen()) << "inside the box the view stays";
    island.CenterScreen(1050, 1300, false, true, false);
    EXPECT_EQ(island.centreTargetX, 85 - 1050);
    EXPECT_EQ(island.centreTargetY, -1000);
}

TEST_F(IslandViewTest, DraggingMovesTheViewUnlessSomethingIsCarried)
{
    CMap& island = Playable(-1000, -1000);
    CControllerGame::stopFollowing = false;
    island.CenterScreen(1500, 1500, false, false, false);
    MouseAt(100, 100);
    island.MouseClick(true, false, false, false);
    island.MouseMove(130, 90);
    EXPECT_EQ(island.offsetX, -970);
    EXPECT_EQ(island.offsetY, -1010);
    EXPECT_TRUE(island.mapDragged);
    EXPECT_TRUE(CControllerGame::stopFollowing);
    EXPECT_FALSE(island.IsCenteringScreen());

    island.personCarried = true;
    island.MouseMove(200, 200);
    EXPECT_EQ(island.offsetX, -970) << "the islander is carried, not the island";
    island.personCarried = false;
    island.MouseClick(true, false, true, false);
    island.MouseMove(300, 300);
    EXPECT_EQ(island.offsetX, -970) << "released";
    island.MouseClick(true, false, false, true);
    island.MouseMove(330, 300);
    EXPECT_EQ(island.offsetX, -970) << "a press over a panel drags nothing";
}
