// The game screen's tutorial script on a real island: the first lesson, its
// circle and its panel that keeps presses from the island, a lesson that
// waits its seconds, lessons the player completes by doing what they ask, a
// craftworks and a finished ship that speak up, a band that died out, and the
// chain of pending dialogs.
#include "BuildingClasses.h"
#include "CBuilding.h"
#include "CControllerGameFixture.h"
#include "CControllerTrophies.h"
#include "CPersonMovement.h"
#include "CTutorialCircle.h"
#include "CSprite.h"
#include "CTutorialDialog.h"
#include "Utilities.h"
#include "tests/islanders/IslanderRecords.h"

#include <cstdint>
#include <set>
#include <vector>

namespace {

constexpr int kTutorialOn = 67;

class TutorialScriptTest : public GameScreenTest {
protected:
    CControllerGame& OpenIsland()
    {
        CProfile::current->SetValue<bool>(38, true);  // no first crate to interrupt
        CPersonMovement::GeneratePathMap();
        return Open(kFixedIslandSeeds[2]);
    }

    static int OpenStep()
    {
        return CTutorialDialog::activeDialog ? CTutorialDialog::activeDialog->GetTutID() : -1;
    }

    static void CompleteUpTo(int last)
    {
        for (int step = 0; step <= last; step++) {
            CTutorialDialog::CompleteTutorial(step);
        }
    }

    // Frames until a dialog is open; how many it took, -1 none within limit.
    static int FramesUntilADialog(int limit)
    {
        for (int frame = 1; frame <= limit; frame++) {
            Frame();
            if (CTutorialDialog::activeDialog) {
                return frame;
            }
        }
        return -1;
    }
};

TEST_F(TutorialScriptTest, ANewGameOpensTheFirstLessonAndCirclesItsButtonLater)
{
    CControllerGame& game = OpenIsland();
    EXPECT_TRUE(game.showTutorialExtras) << "the narration box and the end label";
    ASSERT_EQ(FramesUntilADialog(5), 1);
    EXPECT_EQ(OpenStep(), 0);

    // A press on the lesson's panel is the lesson's, not the island's under it.
    FakeObject* under = new FakeObject(true, 1 << 30);
    CSprite* box = CTutorialDialog::activeDialog->boxSprite;
    MouseAt(box->GetX() + box->GetW() / 2, box->GetY() + box->GetH() / 2);
    ASSERT_TRUE(CTutorialDialog::IsMouseOver());
    game.InputMouseClick(true, false, false);
    game.InputMouseClick(true, false, true);
    EXPECT_EQ(under->clicks, 0);
    MouseAt(300, 500);
    game.InputMouseClick(true, false, false);
    game.InputMouseClick(true, false, true);
    EXPECT_EQ(under->clicks, 1) << "away from the panel the island takes it";
    EXPECT_EQ(OpenStep(), 0);

    for (int frame = 0; frame < 388 && !game.stepCircle; frame++) {
        Frame();
    }
    EXPECT_EQ(game.stepCircle, nullptr);
    Frame();
    Frame();
    EXPECT_NE(game.stepCircle, nullptr) << "step 0's button is circled after 390 frames";
}

// The lesson on dragging the view is done once the view lies more than 200
// pixels from where it stood when the lesson opened, measured straight, not
// along each axis alone.
TEST_F(TutorialScriptTest, TheDragLessonMeasuresHowFarTheViewWentStraight)
{
    CControllerGame& game = OpenIsland();
    CompleteUpTo(0);
    CTutorialDialog::DetermineNextTutorial();
    ASSERT_EQ(FramesUntilADialog(5), 1);
    ASSERT_EQ(OpenStep(), 1);
    CMap* island = CControllerGame::island;
    struct drag_case {
        int dx, dy;
        bool done;
    };
    for (const drag_case& c : {drag_case{120, 120, false}, drag_case{-150, 150, true}}) {
        island->offsetX = game.savedOffsetX + c.dx;
        island->offsetY = game.savedOffsetY + c.dy;
        island->mapDragged = true;
        input.leftDown = false;
        Frame();
        EXPECT_EQ(CTutorialDialog::IsTutorialComplete(1), c.done) << c.dx << ", " << c.dy;
    }
}

TEST_F(TutorialScriptTest, StepEightWaitsFiveSecondsAfterStepSeven)
{
    CControllerGame& game = OpenIsland();
    CompleteUpTo(7);
    CTutorialDialog::DetermineNextTutorial();
    ASSERT_EQ(CTutorialDialog::nextTutorial, 8);
    const int waited = FramesUntilADialog(400);
    EXPECT_EQ(waited, 151) << "150 frames of waiting, then the dialog";
    EXPECT_EQ(OpenStep(), 8);
    EXPECT_EQ(game.framesSinceDialog, 0);
}

TEST_F(TutorialScriptTest, LessonsAboutTheSelectionCompleteWhenThePlayerDoesIt)
{
    CControllerGame& game = OpenIsland();
    CompleteUpTo(12);
    CTutorialDialog::DetermineNextTutorial();
    ASSERT_EQ(CTutorialDialog::nextTutorial, 13);
    ASSERT_EQ(FramesUntilADialog(5), 1);
    EXPECT_EQ(OpenStep(), 13);
    ASSERT_NE(CObject::selectedObject, nullptr) << "an adult is selected for the lesson";
    EXPECT_TRUE(CObject::selectedObject->isPerson);
    EXPECT_NE(game.stepCircle, nullptr) << "its picture is ringed";
    Frame();
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(13));

    CObject::selectedObject = nullptr;
    Frame();
    for (int step : {13, 14, 15}) {
        EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(step)) << step;
    }
}

// With a tree chosen and only a kid in the band the lesson on the chosen
// islander's picture has nobody to choose: it stops the rain and rings
// nothing, and the tree stays chosen.
TEST_F(TutorialScriptTest, TheLessonOnTheChosenIslanderRingsNothingWithoutAnAdult)
{
    CControllerGame& game = OpenIsland();
    CMap* island = CControllerGame::island;
    for (CObject* object : std::vector<CObject*>(CObject::objects)) {
        if (object->isPerson) {
            delete object;
        }
    }
    new CPerson(IslanderRecord(island->GetStartX(), island->GetStartY(), 8 * 172800));
    ASSERT_FALSE(island->trees.empty());
    CObject* tree = island->trees.front();
    CObject::selectedObject = tree;
    island->SetRain(true, 0);
    CompleteUpTo(12);
    CTutorialDialog::DetermineNextTutorial();
    ASSERT_EQ(FramesUntilADialog(5), 1);
    ASSERT_EQ(OpenStep(), 13);
    EXPECT_EQ(game.stepCircle, nullptr);
    EXPECT_EQ(CObject::selectedObject, tree);
    EXPECT_FALSE(island->raining);
}

TEST_F(TutorialScriptTest, WithTheTutorialOffAFinishedShipStillSpeaksAtOnce)
{
    CProfile::current->SetValue<bool>(kTutorialOn, false);
    CControllerGame& game = OpenIsland();
    Frame();
    EXPECT_EQ(OpenStep(), -1) << "no ordinary lesson with the tutorial off";
    // The first building's trophy is already held: a trophy's pop-up would
    // put the lesson off.
    CControllerTrophies::CompleteTrophy(1);
    CControllerTrophies::trophyUnlockQueue = std::queue<int>();
    CBuilding* ship = ClassOfType(13).place(2000, 2000, 21);
    ship->FinishNow();
    Frame();
    ASSERT_EQ(CBuilding::isCompleteShip, ship);
    EXPECT_EQ(game.pendingTutorial, 100);
    EXPECT_EQ(CObject::selectedObject, ship);
    EXPECT_EQ(OpenStep(), 100);
}

TEST_F(TutorialScriptTest, AUsableCraftworksCallsForItsLessonAndTheViewGoesThere)
{
    CControllerGame& game = OpenIsland();
    CompleteUpTo(72);
    CTutorialDialog::DetermineNextTutorial();
    CControllerTrophies::CompleteTrophy(1);
    CControllerTrophies::trophyUnlockQueue = std::queue<int>();
    CBuilding* works = ClassOfType(6).place(2000, 2000, 6);
    works->FinishNow();
    Frame();
    EXPECT_EQ(game.pendingTutorial, 88);
    EXPECT_EQ(CObject::selectedObject, works);
    CMap* island = CControllerGame::island;
    EXPECT_EQ(island->centreTargetX, 322 - works->GetX());
    EXPECT_EQ(island->centreTargetY, 280 - works->GetY());
    EXPECT_GE(FramesUntilADialog(100), 1);
    EXPECT_EQ(OpenStep(), 88);
}

TEST_F(TutorialScriptTest, ABandThatDiedOutClosesTheLessonsAndOpensTheLastWord)
{
    CControllerGame& game = OpenIsland();
    while (!CPerson::people.empty()) {
        delete CPerson::people.back();
    }
    ASSERT_GE(FramesUntilADialog(5), 1);
    for (int step = 0; step <= 72; step++) {
        ASSERT_TRUE(CTutorialDialog::IsTutorialComplete(step)) << step;
    }
    EXPECT_EQ(OpenStep(), 106);
    EXPECT_EQ(game.pendingTutorial, 106);

    // Its okay ends the chain; a completed last step never runs past the table.
    CTutorialDialog::CompleteTutorial(106);
    Frame();
    EXPECT_EQ(game.pendingTutorial, -1);
}

TEST_F(TutorialScriptTest, TheTrophyLessonIsNeverShownButCompletedByTheFirstTrophy)
{
    CControllerGame& game = OpenIsland();
    CompleteUpTo(34);
    CTutorialDialog::DetermineNextTutorial();
    for (int frame = 0; frame < 5; frame++) {
        Frame();
    }
    EXPECT_EQ(OpenStep(), -1);
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(35));

    CControllerTrophies::CompleteTrophy(1);
    CControllerTrophies::trophyUnlockQueue = std::queue<int>();
    Frame();
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(35));
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(36)) << "with a trophy held, 36 has nothing to teach";
    (void)game;
}

// The lesson on finds sets three mushrooms down, each but the first moved
// from the one before by an x drawn before its y. The frame draws for the
// whole island around them, so the lesson's run of draws is found in the
// seeded sequence by what it made.
TEST_F(TutorialScriptTest, TheLessonOnFindsDrawsEachMushroomsOffsetXBeforeY)
{
    CControllerGame& game = OpenIsland();
    CompleteUpTo(59);
    CTutorialDialog::DetermineNextTutorial();
    ASSERT_EQ(CTutorialDialog::nextTutorial, 60);
    std::set<CObject*> before(CObject::objects.begin(), CObject::objects.end());
    InitRandom(6060);
    ASSERT_EQ(FramesUntilADialog(1), 1);
    ASSERT_EQ(OpenStep(), 60);
    std::vector<CObject*> grown;
    for (CObject* object : CObject::objects) {
        if (object->isMushroom && !before.count(object)) {
            grown.push_back(object);
        }
    }
    ASSERT_EQ(grown.size(), 3u);
    const int across1 = grown[1]->GetX() - grown[0]->GetX(), down1 = grown[1]->GetY() - grown[0]->GetY();
    const int across2 = grown[1]->GetX() - grown[2]->GetX(), down2 = grown[2]->GetY() - grown[1]->GetY();

    // Each mushroom draws its looks (two numbers); between them come the
    // offsets, and the timer follows the third.
    InitRandom(6060);
    std::vector<uint32_t> raw(200000);
    for (uint32_t& value : raw) {
        value = RandomGenerator().GenRand32();
    }
    auto offset = [&](size_t at) { return 5 + static_cast<int>(raw[at] % 6u); };
    int found = 0;
    for (size_t i = 0; i + 10 < raw.size(); i++) {
        if (offset(i + 2) == across1 && offset(i + 3) == down1 && offset(i + 6) == across2 &&
            offset(i + 7) == down2 && 2500 + static_cast<int>(raw[i + 10] % 1501u) == game.mushroomTimer) {
            found++;
        }
    }
    EXPECT_EQ(found, 1) << "offsets " << across1 << "," << down1 << " and " << across2 << "," << down2;
    EXPECT_TRUE(across1 != down1 || across2 != down2) << "a seed whose draws tell x from y";
}

}  // namespace
