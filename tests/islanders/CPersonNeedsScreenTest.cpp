#include "BuildingClasses.h"
#include "CHut.h"
#include "CTutorialDialog.h"
#include "tests/game/CControllerGameFixture.h"
#include "tests/islanders/IslanderRecords.h"

TEST_F(GameScreenTest, AnIslanderWhoDiesUnderThePressCannotBeLifted)
{
    CControllerGame& game = Open();
    CPerson* dying = IslanderUnder(200, 300, 30 * 172800);
    person_data other = IslanderRecord(600, 300, 30 * 172800, 1);
    other.id = 2;
    new CPerson(other);
    Frame();  // drawn where the press looks for it
    MouseAt(200, 300);
    game.InputMouseClick(true, false, false);
    ASSERT_EQ(game.pickupCandidate, dying);
    dying->Die(false);
    EXPECT_EQ(game.pickupCandidate, nullptr);
    game.InputMouseMove(260, 300);
    game.InputMouseClick(true, false, true);
    EXPECT_FALSE(dying->IsPickedUp());
    EXPECT_FALSE(game.islanderDropped);
}

TEST_F(GameScreenTest, ATiredGrownUpWithoutAHutCallsForTheLessonOnHuts)
{
    CControllerGame& game = Open();
    CProfile::current->SetValue<bool>(67, true);
    person_data record = IslanderRecord(200, 300, 30 * 172800);
    record.energy = 1000;
    CPerson* tired = new CPerson(record);
    tired->stageAge = 30;
    game.pendingTutorial = -1;
    tired->DecideWhatToDo();
    EXPECT_EQ(game.pendingTutorial, -1) << "the first low frame only sets the countdown";
    tired->DecideWhatToDo();
    EXPECT_EQ(game.pendingTutorial, 85) << "no hut to sleep in";
    EXPECT_EQ(CObject::selectedObject, tired);

    game.pendingTutorial = 12;
    tired->EndTask(false);
    tired->DecideWhatToDo();
    EXPECT_EQ(game.pendingTutorial, 12) << "a waiting lesson is not replaced";

    // A finished hut helps only while nobody sleeps in it.
    CHut* hut = static_cast<CHut*>(ClassOfType(1).place(600, 600, 0));
    hut->FinishNow();
    hut->occupant = new CPerson(IslanderRecord(700, 300, 30 * 172800, 1));
    for (bool taken : {true, false}) {
        if (!taken) {
            hut->occupant = nullptr;
        }
        game.pendingTutorial = -1;
        tired->EndTask(false);
        tired->DecideWhatToDo();
        EXPECT_EQ(game.pendingTutorial, taken ? 85 : -1) << (taken ? "every hut is taken" : "a hut is free");
    }
}

TEST_F(GameScreenTest, AYoungAdultAndThenASeniorCallForTheLessonsOnTheirAges)
{
    CControllerGame& game = Open();
    CProfile::current->SetValue<bool>(67, true);
    person_data record = IslanderRecord(200, 300, 15 * 172800);
    CPerson* young = new CPerson(record);
    record = IslanderRecord(400, 300, 70 * 172800, 1);
    record.id = 2;
    CPerson* senior = new CPerson(record);
    young->UnHide();
    senior->UnHide();
    game.pendingTutorial = -1;
    young->Pump(0, 0, 1);
    EXPECT_EQ(game.pendingTutorial, 79);
    EXPECT_EQ(CObject::selectedObject, young);
    senior->Pump(0, 0, 1);
    EXPECT_EQ(game.pendingTutorial, 79) << "one lesson at a time";

    CTutorialDialog::CompleteTutorial(79);
    game.pendingTutorial = -1;
    young->Pump(0, 0, 1);
    EXPECT_EQ(game.pendingTutorial, -1) << "a lesson done is not called again";
    senior->Pump(0, 0, 1);
    EXPECT_EQ(game.pendingTutorial, 82);
    EXPECT_EQ(CObject::selectedObject, senior);
}

TEST_F(GameScreenTest, AnIslanderDyingInViewFallsOnlyInAFrameThePlayerDoesNotSee)
{
    CControllerGame& game = Open();
    CPerson* dying = new CPerson(IslanderRecord(200, 300, 30 * 172800));
    dying->UnHide();
    dying->dying = true;
    for (int frame = 0; frame < 10; frame++) {
        dying->Pump(0, 0, 1);
    }
    EXPECT_FALSE(dying->deleteMe) << "still standing in view";
    game.catchUpFrames = 1;
    dying->Pump(0, 0, 1);
    EXPECT_TRUE(dying->deleteMe) << "a catch-up frame is never seen";
}
