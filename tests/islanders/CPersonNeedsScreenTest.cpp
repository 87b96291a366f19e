#include "tests/game/CControllerGameFixture.h"
#include "tests/islanders/IslanderRecords.h"

TEST_F(GameScreenTest, AnIslanderWhoDiesUnderThePressCannotBeLifted)
{
    CControllerGame& game = Open();
    CPerson* dying = IslanderUnder(200, 300, 30 * 172800);
    person_data other = IslanderRecord(600, 300, 30 * 172800, 1);
    other.id = 2;
    new CPerson(other);
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
}
