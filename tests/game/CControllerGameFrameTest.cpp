#include "CControllerGameFixture.h"

#include "CRenderer.h"
#include "CSprite.h"
#include "Utilities.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <vector>

TEST(CControllerGame, TurnsTimeAwayIntoFramesWithoutOverflowOrNegativeCounts)
{
    EXPECT_EQ(CControllerGame::CatchUpFramesFor(30, 1.0f), 900);
    EXPECT_EQ(CControllerGame::CatchUpFramesFor(29.6, 1.0f), 900) << "whole seconds first";
    EXPECT_EQ(CControllerGame::CatchUpFramesFor(30, 0.5f), 450);
    EXPECT_EQ(CControllerGame::CatchUpFramesFor(30, 2.0f), 1800);
    EXPECT_EQ(CControllerGame::CatchUpFramesFor(30, 0.0f), 0);
    EXPECT_EQ(CControllerGame::CatchUpFramesFor(-3600, 1.0f), 0) << "a clock set back";
    EXPECT_EQ(CControllerGame::CatchUpFramesFor(30, -1.0f), 0);
    EXPECT_EQ(CControllerGame::CatchUpFramesFor(30, NAN), 900);
    EXPECT_EQ(CControllerGame::CatchUpFramesFor(30, INFINITY), 900);
    // Longer absences count as thirty days of frames, after the factor.
    const int month = 30 * 86400 * 30;
    EXPECT_EQ(CControllerGame::CatchUpFramesFor(4e9, 1000.0f), month);
    EXPECT_EQ(CControllerGame::CatchUpFramesFor(20 * 86400, 2.0f), month);
    EXPECT_EQ(CControllerGame::CatchUpFramesFor(20 * 86400, 1.0f), 20 * 86400 * 30);
}

TEST(CControllerGame, AStallIsAGapOfMoreThanAMinuteAfterTheFirstFrame)
{
    EXPECT_FALSE(CControllerGame::Stalled(70000, 10000));
    EXPECT_TRUE(CControllerGame::Stalled(70001, 10000));
    EXPECT_FALSE(CControllerGame::Stalled(900000, 0)) << "no frame yet";
    EXPECT_FALSE(CControllerGame::Stalled(100, 0xFFFFFF00u)) << "the tick count wrapped";
}

TEST_F(GameScreenTest, CatchesUpBeforeThePlayerGetsControlAndHoldsRequestsUntilSettled)
{
    CProfile::current->SetValue<long>(33, GetCurrentTime() - 3600);
    CProfile::current->SetValue<int>(49, INT_MAX - 100);
    Asker* asker = new Asker();
    asker->hits = true;
    CControllerGame& game = Open();
    EXPECT_EQ(game.catchUpFrames, 900) << "the rest went to the bulk simulation";
    EXPECT_EQ(game.crateTimer, 90);

    Push(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    Frame();
    EXPECT_EQ(asker->pumps, 901) << "900 catch-up frames and one ordinary frame in one call";
    EXPECT_EQ(game.frameCount, 901);
    EXPECT_EQ(game.catchUpFrames, 0);
    EXPECT_EQ(game.settleFrames, 1);
    EXPECT_EQ(asker->clicks, 1) << "the input was read once, in the ordinary frame";
    EXPECT_EQ(CProfile::current->GetValue<int>(49), INT_MAX) << "the island's clock stops at its top";

    // Asked during catch-up: the fourth ordinary frame opens it.
    Frame();
    Frame();
    EXPECT_EQ(CControllerGame::popUp, nullptr);
    Frame();
    ASSERT_NE(CControllerGame::popUp, nullptr);
    EXPECT_EQ(CControllerGame::popUp->request.id, 12001);
    EXPECT_EQ(CController::focus, CControllerGame::popUp);
}

// 900 frames are played as frames; from exactly 900 on the bulk step runs on
// what lies beyond them, and a crate washes up three seconds into the visit.
TEST_F(GameScreenTest, ThirtySecondsAwayAreTheFirstToStartTheBulkStepAndTheEarlyCrate)
{
    const struct {
        int secondsAway;
        int catchUp;
        bool bulk;
        int simulated;  // frames added to the island's clock
    } cases[] = {{29, 870, false, 0}, {30, 900, true, 0}, {31, 900, true, 30}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.secondsAway);
        CProfile::current->SetValue<long>(33, GetCurrentTime() - c.secondsAway);
        const int clock = CProfile::current->GetValue<int>(49);
        CControllerGame& game = Open();
        EXPECT_EQ(game.catchUpFrames, c.catchUp);
        EXPECT_EQ(CProfile::current->GetValue<int>(49) - clock, c.simulated);
        if (c.bulk) {
            EXPECT_EQ(game.crateTimer, 90);
        } else {
            EXPECT_GE(game.crateTimer, 9000);
            EXPECT_LE(game.crateTimer, 12600);
        }
        Frame();
        EXPECT_EQ(game.frameCount, c.catchUp + 1) << "every catch-up frame played, then an ordinary one";
        delete opener.screen;
        opener.screen = nullptr;
    }
}

TEST_F(GameScreenTest, TheFirstGamesNoticeOpensOnTheFrameAfter72000)
{
    CControllerGame& game = Open();
    for (int i = 0; i < 3; i++) {
        Frame();
    }
    game.frameCount = 71999;
    Frame();
    EXPECT_EQ(game.frameCount, 72000);
    EXPECT_EQ(CControllerGame::popUp, nullptr) << "not yet on frame 72,000";
    Frame();
    ASSERT_NE(CControllerGame::popUp, nullptr);
    EXPECT_EQ(CControllerGame::popUp->request.id, 12350);
    EXPECT_TRUE(CProfile::current->GetValue<bool>(70));
}

TEST_F(GameScreenTest, ObjectsDoNotDrawWhileTheWorldIsFastForwarded)
{
    FakeObject* object = new FakeObject();
    std::vector<bool> seen;
    object->onPump = [&seen](FakeObject*) { seen.push_back(CObject::rendering); };
    CObject::MoveObjects(0, 0, 2);
    CObject::MoveObjects(0, 0, 1);
    EXPECT_EQ(seen, (std::vector<bool>{false, false, true}));
    EXPECT_TRUE(CObject::rendering);
}

TEST_F(GameScreenTest, AnAnswerEndsItsRequestButAFollowUpRequestStillOpens)
{
    Asker* asker = new Asker();
    Open();
    for (int i = 0; i < 4; i++) {
        Frame();
    }
    ASSERT_NE(CControllerGame::popUp, nullptr);
    // The answer asks again, as a crate's result notice does.
    asker->onAnswer = [] { CObject::requestingFeedbackData.id = 12000; };
    CControllerGame::popUp->GUICallback(0, 0);
    Frame();
    EXPECT_EQ(asker->answers, 1);
    EXPECT_TRUE(asker->lastAnswer);
    Frame();
    ASSERT_NE(CControllerGame::popUp, nullptr) << "the follow-up opens";
    EXPECT_EQ(CControllerGame::popUp->request.id, 12000);

    // Answered without taking the request back: it is done all the same.
    asker->onAnswer = nullptr;
    CControllerGame::popUp->InputKey(true, SDLK_ESCAPE);
    Frame();
    EXPECT_EQ(asker->answers, 2);
    EXPECT_FALSE(asker->lastAnswer);
    for (int i = 0; i < 5; i++) {
        Frame();
    }
    EXPECT_EQ(CControllerGame::popUp, nullptr) << "a pop-up does not reopen every frame";
    EXPECT_EQ(asker->answers, 2);
}

// Coming back from a pop-up, the island's pictures come back first, then
// the answer is given, then the screen is redrawn: a picture the answer
// shows joins the island's pictures rather than the pop-up's, which the
// island's return throws away.
TEST_F(GameScreenTest, AnAnswerIsGivenWithTheIslandBackAndWhatItShowsStaysDrawn)
{
    Asker* asker = new Asker();
    Open();
    for (int i = 0; i < 4; i++) {
        Frame();
    }
    ASSERT_NE(CControllerGame::popUp, nullptr);
    ASSERT_TRUE(CController::renderer->Swapped());
    bool frozenAtAnswer = true;
    std::unique_ptr<CSprite> shown;
    asker->onAnswer = [&] {
        frozenAtAnswer = CController::renderer->Swapped();
        shown = std::make_unique<CSprite>(5000);
        shown->LoadImage("dirty.png");
    };
    CControllerGame::popUp->GUICallback(0, 0);
    Frame();
    EXPECT_EQ(asker->answers, 1);
    EXPECT_FALSE(frozenAtAnswer);
    ASSERT_TRUE(shown);
    const std::vector<CSprite*>& drawn = CController::renderer->Sprites();
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), shown.get()), drawn.end());
}

TEST_F(GameScreenTest, ARequesterGoneWhileItsPopUpIsOpenGetsNoAnswer)
{
    int answers = 0;
    Asker* asker = new Asker();
    asker->onAnswer = [&answers] { answers++; };
    Open();
    for (int i = 0; i < 4; i++) {
        Frame();
    }
    ASSERT_NE(CControllerGame::popUp, nullptr);
    delete asker;
    CControllerGame::popUp->GUICallback(0, 0);
    Frame();
    Frame();
    EXPECT_EQ(answers, 0);
    EXPECT_EQ(CControllerGame::popUp, nullptr);
    EXPECT_EQ(CController::focus, opener.screen);
}

TEST_F(GameScreenTest, OpensAtMostOnePopUpAFrame)
{
    new Asker();
    CControllerGame& game = Open();
    for (int i = 0; i < 3; i++) {
        Frame();
    }
    game.frameCount = 72000;  // the first game's notice is due
    game.EndTutorial();
    const int expected[] = {12001, 12350, 12214};
    for (int id : expected) {
        Frame();
        ASSERT_NE(CControllerGame::popUp, nullptr) << id;
        EXPECT_EQ(CControllerGame::popUp->request.id, id);
        CControllerGame::popUp->GUICallback(0, 0);
        Frame();
        EXPECT_EQ(CControllerGame::popUp, nullptr) << id;
    }
    EXPECT_TRUE(CProfile::current->GetValue<bool>(70));
    EXPECT_FALSE(CProfile::current->GetValue<bool>(67)) << "yes ends the tutorial";
}

TEST_F(GameScreenTest, AsksOnceAfter301SlowFramesWithVisualEffectsOn)
{
    CProfile::current->SetValue<bool>(7, true);
    CControllerGame& game = Open();
    for (int i = 0; i < 300; i++) {
        Frame();
    }
    EXPECT_EQ(CControllerGame::popUp, nullptr);
    Frame();
    ASSERT_NE(CControllerGame::popUp, nullptr);
    EXPECT_EQ(CControllerGame::popUp->request.id, 12357);
    EXPECT_EQ(game.popUpPurpose, 2);
    CControllerGame::popUp->GUICallback(0, 0);
    Frame();
    EXPECT_FALSE(CProfile::current->GetValue<bool>(7)) << "yes switches the effects off";
    EXPECT_EQ(game.popUpPurpose, -1);

    CProfile::current->SetValue<bool>(7, true);
    for (int i = 0; i < 400; i++) {
        Frame();
    }
    EXPECT_EQ(CControllerGame::popUp, nullptr) << "asked once per profile";
}

TEST_F(GameScreenTest, AutosavesOnFrame3600CountingCatchUpFrames)
{
    CProfile::current->SetValue<long>(33, GetCurrentTime() - 60);
    CControllerGame& game = Open();
    const std::string file = folder.File("userdata/PROFILE1v8.DAT");
    unlink(file.c_str());
    while (game.frameCount < 3599) {
        Frame();
    }
    EXPECT_EQ(game.frameCount, 3599);
    EXPECT_NE(access(file.c_str(), F_OK), 0);
    Frame();
    EXPECT_EQ(access(file.c_str(), F_OK), 0);
}

TEST_F(GameScreenTest, AStalledMachineClosesTheScreenAndTheStallCountsAsTimeAway)
{
    CControllerGame& game = Open();
    Frame();
    game.lastFrameTicks = SDL_GetTicks() - 70500;
    Frame();
    EXPECT_EQ(opener.backs, 1);
    EXPECT_EQ(opener.screen, nullptr);
    EXPECT_EQ(CControllerGame::game, nullptr);
    const long lastSave = CProfile::current->GetValue<long>(33);
    EXPECT_GE(lastSave, GetCurrentTime() - 71);
    EXPECT_LE(lastSave, GetCurrentTime() - 70);
}
