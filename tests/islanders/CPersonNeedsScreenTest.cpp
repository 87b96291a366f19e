#include "tests/game/CControllerGameFixture.h"
#include "tests/islanders/IslanderRecords.h"

TEST_F(GameScreenTest, AnIslanderWhoDiesUnderThePressCannotBeLifted)
{
    CControllerGame& game = Open();
    CPerson* dying = new CPerson(IslanderRecord(200, 300, 30 * 172800));
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
