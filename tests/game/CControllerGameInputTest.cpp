#include "CControllerGameFixture.h"

#include "CMouseCursor.h"
#include "tests/islanders/IslanderRecords.h"

namespace {

constexpr int kYear = 172800;

}  // namespace

TEST_F(GameScreenTest, AGrownIslanderIsLiftedByAnyMoveAndAChildOnlyBeyondFivePixels)
{
    CControllerGame& game = Open();
    CPerson* adult = IslanderUnder(200, 300, 30 * kYear);
    MouseAt(200, 300);
    game.InputMouseClick(true, false, false);
    ASSERT_EQ(game.pickupCandidate, adult);
    game.InputMouseMove(201, 300);
    EXPECT_FALSE(game.shiftCursorPending);
    EXPECT_FALSE(adult->IsPickedUp());
    Frame();  // the pointer's move 50 px down arrives as a mouse move
    EXPECT_TRUE(adult->IsPickedUp());
    game.InputMouseClick(true, false, true);
    EXPECT_FALSE(adult->IsPickedUp());
    EXPECT_TRUE(game.islanderDropped);
    EXPECT_EQ(game.pickupCandidate, nullptr);
    EXPECT_TRUE(game.shiftCursorPending);

    game.islanderDropped = false;
    CPerson* kid = IslanderUnder(400, 300, 5 * kYear);
    MouseAt(400, 300);
    game.InputMouseClick(true, false, false);
    ASSERT_EQ(game.pickupCandidate, kid);
    game.InputMouseMove(403, 304);
    Frame();
    EXPECT_FALSE(kid->IsPickedUp()) << "5.0 px is not yet a lift, and a child needs no shift";
    game.InputMouseMove(400, 306);
    EXPECT_TRUE(kid->IsPickedUp());
}

TEST_F(GameScreenTest, AnObjectDeletedWhileTheScreenPointsAtItIsForgotten)
{
    CControllerGame& game = Open();
    CPerson* held = IslanderUnder(200, 300, 30 * kYear);
    FakeObject* followed = new FakeObject();
    game.followedObject = game.stepObject = game.rememberedSelection = followed;
    delete followed;
    EXPECT_EQ(game.followedObject, nullptr);
    EXPECT_EQ(game.stepObject, nullptr);
    EXPECT_EQ(game.rememberedSelection, nullptr);

    // Pressed on, then gone off screen before the release.
    MouseAt(200, 300);
    game.InputMouseClick(true, false, false);
    ASSERT_EQ(game.pickupCandidate, held);
    held->deleteMe = true;
    Frame();
    EXPECT_EQ(game.pickupCandidate, nullptr);
    game.InputMouseMove(260, 300);
    game.InputMouseClick(true, false, true);
    EXPECT_FALSE(game.islanderDropped);
}

TEST_F(GameScreenTest, KeysMoveTheViewAndEscapeOpensTheMenuOnRelease)
{
    CControllerGame& game = Open(kFixedIslandSeeds[3]);
    CMap* island = CControllerGame::island;
    ASSERT_TRUE(island && island->playable);
    // The view glides to the keypad's point.
    auto settle = [island] {
        for (int i = 0; i < 600 && island->IsCenteringScreen(); i++) {
            Frame();
        }
    };
    game.InputKey(false, SDLK_KP5);
    settle();
    EXPECT_NEAR(island->offsetX, 322 - 2000, 8);
    EXPECT_NEAR(island->offsetY, 280 - 2000, 8);
    EXPECT_TRUE(CControllerGame::stopFollowing);
    game.InputKey(false, SDLK_KP0);
    settle();
    EXPECT_NEAR(island->offsetX, 322 - island->GetStartX(), 8);

    CControllerGame::stopFollowing = false;
    game.InputKey(false, SDLK_UP);
    EXPECT_TRUE(island->arrowHeld[CMap::ARROW_UP]);
    EXPECT_TRUE(CControllerGame::stopFollowing);
    game.InputKey(true, SDLK_UP);
    EXPECT_FALSE(island->arrowHeld[CMap::ARROW_UP]);

    CObject::placingBuilding = 2;
    game.InputKey(false, SDLK_ESCAPE);
    EXPECT_EQ(CControllerGame::inGameMenu, nullptr);
    EXPECT_EQ(CObject::placingBuilding, -1) << "the press cancels placing";
    game.InputMouseClick(true, false, false);
    EXPECT_TRUE(island->dragActive);
    game.InputKey(true, SDLK_ESCAPE);
    ASSERT_NE(CControllerGame::inGameMenu, nullptr);
    EXPECT_EQ(CController::focus, CControllerGame::inGameMenu);
    CControllerGame::inGameMenu->InputKey(true, SDLK_ESCAPE);
    Frame();
    EXPECT_EQ(CControllerGame::inGameMenu, nullptr);
    EXPECT_FALSE(island->dragActive) << "the release went to the menu";
}
