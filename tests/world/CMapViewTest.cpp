#include "CControllerGame.h"
#include "tests/world/CMapGenerationFixture.h"

namespace {

class IslandViewTest : public IslandTest {
protected:
    CMap& Playable(int x, int y)
    {
        CMap& island = Fill(NewMap(), PLAYABLE_SAMPLES, true, [](int, int) { return 0; }, PLAYABLE_BORDER);
        island.offsetX = x;
        island.offsetY = y;
        CProfile::current->SetValue<bool>(7, false);  // no coast to look for waves on
        return island;
    }
};

}  // namespace

TEST_F(IslandViewTest, TheViewStaysOnTheIsland)
{
    struct move {
        int fromX, fromY, dx, dy, toX, toY;
    };
    for (const move& m : {move{0, 0, 100, 100, 0, 0}, move{-100, -100, -50, 20, -150, -80},
                          move{-3000, -3000, -5000, -5000, -3261, -3305}}) {
        CMap& island = Playable(m.fromX, m.fromY);
        EXPECT_EQ(island.OffsetMap(m.dx, m.dy), m.toX - m.fromX);
        EXPECT_EQ(island.offsetY, m.toY);
        EXPECT_EQ(island.scrollDeltaY, m.toY - m.fromY) << "the rain hears of every change";
    }
    CMap& preview = NewMap();  // smaller than the view: always in the same place
    preview.borderX = preview.borderY = PREVIEW_BORDER;
    preview.AllocateGrids(PREVIEW_SAMPLES, PREVIEW_SAMPLES);
    preview.OffsetMap(-10, 30);
    EXPECT_EQ(preview.offsetX, 155);
    EXPECT_EQ(preview.offsetY, 111);
}

TEST_F(IslandViewTest, ArrowsAndEdgesScrollByTheirSteps)
{
    CMap& island = Playable(-2000, -2000);
    island.arrowHeld[CMap::ARROW_LEFT] = true;
    for (int frame = 0; frame < 20; frame++) {
        island.Pump();
    }
    EXPECT_EQ(island.offsetX, -2000 + 200) << "1 + 2 + ... + 16 + 4 x 16";
    island.arrowHeld[CMap::ARROW_LEFT] = false;
    island.Pump();
    EXPECT_EQ(island.arrowSpeed, 1.0f);

    struct edge {
        bool carried, placing;
        int mouseX, step;
    };
    for (const edge& e : {edge{true, false, 0, 10}, edge{true, false, 149, 1}, edge{true, false, 150, 0},
                          edge{true, false, 700, -10}, edge{false, true, 74, 1}, edge{false, true, 75, 0},
                          edge{false, false, 0, 0}}) {
        CMap& island = Playable(-2000, -2000);
        island.personCarried = e.carried;
        CTreeIndicator::placingTrees = e.placing ? 0 : -1;
        MouseAt(e.mouseX, 300);
        island.Pump();
        EXPECT_EQ(island.offsetX, -2000 + e.step) << e.mouseX;
        EXPECT_EQ(island.offsetY, -2000);
    }
}

TEST_F(IslandViewTest, CentringGlidesAndALockedOneWaitsForItsEnd)
{
    CMap& island = Playable(-1000, -1000);
    island.CenterScreen(2000, 2000, false, false, true);
    island.Pump();
    EXPECT_EQ(island.offsetX, -1068) << "a tenth of the way";
    for (int frame = 0; frame < 100 && island.IsCenteringScreen(); frame++) {
        island.Pump();
    }
    EXPECT_FALSE(island.IsCenteringScreen()) << "ends once the view no longer moves";
    EXPECT_NEAR(island.offsetX, 322 - 2000, 5);

    island.CenterScreen(2000, 2000, false, false, true);
    EXPECT_EQ(island.CenterScreen(100, 100, true, false, false).x, 0) << "locked: not even at once";
    island.StopCenteringScreen();
    island.CenterScreen(100, 100, true, false, false);
    EXPECT_EQ(island.offsetX, 222) << "not clamped until the next pump";
    island.Pump();
    EXPECT_EQ(island.offsetX, 0);

    island.offsetX = island.offsetY = -1000;
    island.CenterScreen(1300, 1300, false, true, false);
    EXPECT_FALSE(island.IsCenteringScreen()) << "smart: inside the box the view stays";
    island.CenterScreen(1050, 1300, false, true, false);
    EXPECT_EQ(island.centreTargetX, 85 - 1050);
    EXPECT_EQ(island.centreTargetY, -1000) << "only the axis the point left moves";
}

// The box x 86..488, y 136..414 holds its edges; a point outside is brought
// just over the nearer edge, on the axis it left only.
TEST_F(IslandViewTest, ASmartCentringLeavesAPointOnTheBoxEdgesAndBringsInOneJustPast)
{
    const struct {
        int sx, sy;
        int targetX, targetY;  // -1: left as it was
    } cases[] = {
        {86, 136, -1, -1},        {488, 414, -1, -1},       {85, 200, -1000, -1000},
        {489, 200, -1000, -1000}, {200, 135, -1000, -1000}, {200, 415, -1000, -1000},
        {10, 500, -925, -1085},   {600, 20, -1111, -885},
    };
    for (const auto& c : cases) {
        CMap& island = Playable(-1000, -1000);
        island.centreTargetX = island.centreTargetY = -1;
        island.CenterScreen(c.sx + 1000, c.sy + 1000, false, true, false);
        EXPECT_EQ(island.centreTargetX, c.targetX) << c.sx << ", " << c.sy;
        EXPECT_EQ(island.centreTargetY, c.targetY) << c.sx << ", " << c.sy;
    }
}

TEST_F(IslandViewTest, DraggingMovesTheViewUnlessSomethingIsCarried)
{
    CMap& island = Playable(-1000, -1000);
    MouseAt(100, 100);
    island.MouseClick(true, false, false, false);
    island.MouseMove(130, 90);
    EXPECT_EQ(island.offsetY, -1010);
    EXPECT_TRUE(island.mapDragged && CControllerGame::stopFollowing);
    island.personCarried = true;
    island.MouseMove(200, 200);
    EXPECT_EQ(island.offsetX, -970) << "the islander is carried, not the island";
    CControllerGame::stopFollowing = false;
}
