// The flower panel: how it slides in and out and what the chosen colour does
// on the way, and the game screen's answers to its buttons on a real island:
// the locked seventh colour, painting, spray, the eraser, erase-all and close.
#include "CControllerGameFixture.h"

#include "CFlowerIndicator.h"
#include "CGuiFlowers.h"
#include "CMysteriousObject.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

namespace {

constexpr int kIconDepth = 23000006;

enum { WHITE = 6, YELLOW = 7, ORANGE = 12, SPRAY = 13, ERASER = 14, ERASE_ALL = 15, CLOSE = 16 };

// Pumps until the panel rests or is away; the frames it took.
int Settle(CGuiFlowers& panel)
{
    int frames = 0;
    do {
        panel.Pump();
        frames++;
    } while ((panel.slideState == 2 || panel.slideState == 3) && frames < 1000);
    return frames;
}

struct FlowerPanelTest : WorldTest {};

struct FlowerRoadTest : GameScreenTest {
    // A spot of open land near the start, away from the piles, in the middle of the view.
    static void LookAtOpenLand(CMap& island, int& x, int& y)
    {
        for (int dy = 300; dy < 1500; dy += 37) {
            for (int dx = -900; dx < 900; dx += 41) {
                x = island.GetStartX() + dx;
                y = island.GetStartY() + dy;
                bool open = island.IsNotOnWater(x, y) && CMysteriousObject::CheckFlower(x - 6, y - 6);
                for (int ring = 0; open && ring < 8; ring++) {
                    open = island.IsNotOnWater(x + (ring % 3 - 1) * 60, y + (ring / 3 - 1) * 60);
                }
                for (const flower_data& flower : island.flowers) {
                    open = open && GetDist(x, y, flower.x, flower.y) > 80.0f;
                }
                if (open) {
                    island.StopCenteringScreen();
                    island.CenterScreen(x, y, false, false, false);
                    return;
                }
            }
        }
        FAIL() << "no open land";
    }

    void PressAt(CControllerGame& game, int worldX, int worldY)
    {
        MouseAt(worldX + CControllerGame::island->offsetX, worldY + CControllerGame::island->offsetY);
        game.InputMouseMove(input.mouseX, input.mouseY);
        game.InputMouseClick(true, false, false);
        game.InputMouseClick(true, false, true);
    }
};

}  // namespace

TEST_F(FlowerPanelTest, ThePanelGlidesInToRestAndLeavesAtFifteenPixelsAFrame)
{
    CGuiFlowers panel(nullptr);
    MouseAt(40, 150);
    EXPECT_FALSE(panel.IsVisible());
    EXPECT_FALSE(panel.IsMouseOver()) << "away, clicks at its place reach the island";

    panel.Appear();
    EXPECT_TRUE(panel.IsVisible());
    float last = -200.0f;
    int frames = 0;
    while (panel.slideState != 1 && frames++ < 200) {
        panel.Pump();
        EXPECT_GE(panel.x, last) << "never back out on the way in";
        last = panel.x;
    }
    EXPECT_EQ(panel.x, 0.0f);
    EXPECT_TRUE(panel.IsMouseOver());

    panel.chosen = 3;
    panel.Disappear();
    EXPECT_EQ(Settle(panel), 10) << "past -138 at 15 px a frame";
    EXPECT_EQ(panel.slideState, 0);
    EXPECT_EQ(panel.chosen, 3) << "set during the slide-out";
    panel.Pump();
    EXPECT_EQ(panel.chosen, -1) << "once away, nothing is chosen";
    EXPECT_FALSE(panel.IsMouseOver());
}

TEST_F(FlowerPanelTest, AppearDuringTheSlideOutAndDisappearDuringTheSlideInWaitTheirTurn)
{
    CGuiFlowers panel(nullptr);
    panel.Appear();
    panel.Pump();
    panel.Pump();
    ASSERT_EQ(panel.slideState, 3);
    panel.Disappear();
    panel.Pump();
    EXPECT_EQ(panel.slideState, 3) << "the slide-in finishes first";
    Settle(panel);
    EXPECT_EQ(panel.slideState, 1);
    panel.Pump();
    EXPECT_EQ(panel.slideState, 2);
    panel.Pump();
    panel.Appear();
    panel.Pump();
    EXPECT_EQ(panel.slideState, 2) << "the slide-out finishes first";
    Settle(panel);
    EXPECT_EQ(panel.slideState, 0);
    panel.Pump();
    EXPECT_EQ(panel.slideState, 3) << "then it comes back";
    Settle(panel);
    EXPECT_EQ(panel.slideState, 1);
    EXPECT_EQ(panel.x, 0.0f);
}

TEST_F(FlowerRoadTest, TheGameScreenPaintsErasesAndClearsMarkersThroughThePanel)
{
    CControllerGame& game = Open(kFixedIslandSeeds[5]);
    CMap& island = *CControllerGame::island;
    CGuiFlowers& panel = *CControllerGame::flowers;
    int x = 0, y = 0;
    LookAtOpenLand(island, x, y);
    panel.Appear();
    for (int i = 0; i < 30; i++) {
        Frame();
    }
    ASSERT_EQ(panel.slideState, 1);

    game.GUICallback(ORANGE, 0);
    EXPECT_EQ(CFlowerIndicator::placingFlowers, -1) << "orange is locked";
    EXPECT_EQ(panel.chosen, -1);
    game.GUICallback(YELLOW, 0);
    EXPECT_EQ(CFlowerIndicator::placingFlowers, 6);
    EXPECT_EQ(panel.chosen, 1);

    const size_t before = CFlowerIndicator::flowerIndicator.size();
    PressAt(game, x, y);
    ASSERT_EQ(CFlowerIndicator::flowerIndicator.size(), before + 1);
    EXPECT_EQ(CFlowerIndicator::flowerIndicator.back()->GetColour(), 6);
    Frame();
    EXPECT_EQ(CControllerGame::lastToolTip.id, 15005);

    // Over the panel the brush rests.
    MouseAt(40, 150);
    game.InputMouseClick(true, false, false);
    game.InputMouseClick(true, false, true);
    EXPECT_EQ(CFlowerIndicator::flowerIndicator.size(), before + 1);
    EXPECT_EQ(CFlowerIndicator::GetFlowerPlacementType(), -1);

    // Spray keeps painting every frame while the button is held.
    game.GUICallback(SPRAY, 0);
    EXPECT_TRUE(CFlowerIndicator::spraying);
    MouseAt(x + 200 + island.offsetX, y + island.offsetY);
    game.InputMouseClick(true, false, false);
    for (int i = 0; i < 20; i++) {
        Frame();
    }
    game.InputMouseClick(true, false, true);
    const size_t sprayed = CFlowerIndicator::flowerIndicator.size();
    EXPECT_GT(sprayed, before + 3);
    game.GUICallback(SPRAY, 0);
    EXPECT_FALSE(CFlowerIndicator::spraying);

    // The eraser takes the first marker with one press, and nothing is chosen.
    game.GUICallback(ERASER, 0);
    EXPECT_EQ(panel.chosen, -1);
    EXPECT_EQ(CFlowerIndicator::placingFlowers, -1);
    Frame();
    EXPECT_EQ(CControllerGame::lastToolTip.id, 15004);
    PressAt(game, x, y);
    EXPECT_EQ(CFlowerIndicator::flowerIndicator.size(), sprayed - 1);
    EXPECT_FALSE(game.eraserMode);

    // Erase-all asks first; yes clears every marker and record.
    game.GUICallback(ERASE_ALL, 0);
    ASSERT_NE(CControllerGame::popUp, nullptr);
    EXPECT_EQ(CControllerGame::popUp->request.id, 12006);
    CControllerGame::popUp->GUICallback(0, 0);
    Frame();
    EXPECT_EQ(CControllerGame::popUp, nullptr);
    EXPECT_TRUE(CFlowerIndicator::flowerIndicator.empty());
    EXPECT_TRUE(CFlowerIndicator::flowerData.empty());
    EXPECT_EQ(panel.wanted, 0) << "a child screen coming back puts the panel away";

    // The close button waits while the tutorial waits for a first marker.
    panel.Appear();
    CTutorialDialog::CompleteTutorial(65);
    game.GUICallback(CLOSE, 0);
    EXPECT_EQ(panel.wanted, 1);
    CTutorialDialog::CompleteTutorial(66);
    game.GUICallback(WHITE, 0);
    game.GUICallback(CLOSE, 0);
    EXPECT_EQ(panel.wanted, 0);
    EXPECT_EQ(CFlowerIndicator::placingFlowers, -1);
    for (int i = 0; i < 15; i++) {
        Frame();
    }
    EXPECT_EQ(panel.slideState, 0);

    // Solving the flower mystery opens orange.
    CMysteriousObject::SetVar(4);
    Frame();
    game.GUICallback(ORANGE, 0);
    EXPECT_EQ(CFlowerIndicator::placingFlowers, 5);
}

TEST_F(FlowerRoadTest, TheSprayLeftOnWhenTheIslandWasLeftIsOffOnTheNextVisit)
{
    Open(kFixedIslandSeeds[5]).GUICallback(SPRAY, 0);
    ASSERT_TRUE(CFlowerIndicator::spraying);
    delete opener.screen;
    opener.screen = nullptr;

    // The new screen's panel shows the spray off, and a press paints one
    // marker where it is, in the eraser's reach, not somewhere around it.
    CControllerGame& game = Open(kFixedIslandSeeds[5]);
    EXPECT_FALSE(CFlowerIndicator::spraying);
    int x = 0, y = 0;
    LookAtOpenLand(*CControllerGame::island, x, y);
    game.GUICallback(YELLOW, 0);
    const size_t before = CFlowerIndicator::flowerIndicator.size();
    PressAt(game, x, y);
    ASSERT_EQ(CFlowerIndicator::flowerIndicator.size(), before + 1);
    game.GUICallback(ERASER, 0);
    PressAt(game, x, y);
    EXPECT_EQ(CFlowerIndicator::flowerIndicator.size(), before);
}

TEST_F(FlowerRoadTest, AHeldColourIconSinksByTwoAndComesBackToStayWhenLetGo)
{
    CControllerGame& game = Open(kFixedIslandSeeds[5]);
    CGuiFlowers& panel = *CControllerGame::flowers;
    panel.Appear();
    for (int i = 0; i < 30; i++) {
        Frame();
    }
    ASSERT_EQ(panel.slideState, 1);
    // The white icon rests at (17, 146). The list holds a null for each
    // sprite removed since the last render.
    constexpr int restX = 17, restY = 146;
    CSprite* white = nullptr;
    for (CSprite* sprite : CSprite::renderer->Sprites()) {
        if (sprite && sprite->GetZ() == kIconDepth && sprite->GetX() == restX && sprite->GetY() == restY) {
            white = sprite;
        }
    }
    ASSERT_NE(white, nullptr);
    MouseAt(30, 160);
    game.InputMouseMove(input.mouseX, input.mouseY);
    for (int i = 0; i < 5; i++) {
        Frame();
    }
    for (int press = 0; press < 2; press++) {
        SCOPED_TRACE(press);
        game.InputMouseClick(true, false, false);
        for (int i = 0; i < 5; i++) {
            Frame();
            EXPECT_EQ(white->GetX(), restX + 2);
            EXPECT_EQ(white->GetY(), restY + 2);
        }
        game.InputMouseClick(true, false, true);
        for (int i = 0; i < 5; i++) {
            Frame();
            EXPECT_EQ(white->GetX(), restX);
            EXPECT_EQ(white->GetY(), restY);
        }
    }
    EXPECT_EQ(panel.chosen, 0);
}

TEST_F(FlowerRoadTest, EachColourButtonPaintsMarkersOfItsOwnColour)
{
    CControllerGame& game = Open(kFixedIslandSeeds[5]);
    CGuiFlowers& panel = *CControllerGame::flowers;
    int x = 0, y = 0;
    LookAtOpenLand(*CControllerGame::island, x, y);
    CMysteriousObject::SetVar(4);  // the flower mystery solved: orange too
    // White, yellow, pink, dark blue, light blue, purple and orange.
    const int colours[7] = {0, 6, 4, 2, 1, 3, 5};
    for (int button = WHITE; button <= ORANGE; button++) {
        SCOPED_TRACE(button);
        game.GUICallback(button, 0);
        EXPECT_EQ(panel.chosen, button - WHITE);
        const size_t before = CFlowerIndicator::flowerIndicator.size();
        PressAt(game, x + 20 * (button - WHITE), y);
        ASSERT_EQ(CFlowerIndicator::flowerIndicator.size(), before + 1);
        EXPECT_EQ(CFlowerIndicator::flowerIndicator.back()->GetColour(), colours[button - WHITE]);
    }
}
