#include "CMouseCursor.h"

#include "CController.h"
#include "CControllerGame.h"
#include "CInput.h"
#include "CProfile.h"
#include "CPerson.h"
#include "tests/islanders/IslanderRecords.h"
#include "CSprite.h"
#include "ChildProcess.h"
#include "GameResources.h"
#include "QuietScreen.h"
#include "TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::HasSubstr;

namespace {

// Hears where the pump says the mouse went.
class MoveScreen : public QuietScreen {
public:
    void InputMouseMove(int x, int y) override
    {
        lastX = x;
        lastY = y;
    }
    int lastX = -1, lastY = -1;
};

class CMouseCursorTest : public testing::Test {
protected:
    void SetUp() override { CController::input = &input; }
    void TearDown() override
    {
        CController::input = nullptr;
        CMouseCursor::usePincer = false;
    }

    TempFolder folder;
    GameResources resources{folder};
    CInput input;
    CMouseCursor pointer;
};

}  // namespace

TEST_F(CMouseCursorTest, FollowsTheMouseAndShowsTheImageOfTheButtonState)
{
    input.mouseX = 100;
    input.mouseY = 200;
    struct Case {
        bool leftDown, pincer;
        unsigned int image;
    };
    const Case cases[] = {{false, false, 0}, {false, true, 0}, {true, true, 1}, {true, false, 2}};
    for (const Case& c : cases) {
        input.leftDown = c.leftDown;
        CMouseCursor::usePincer = c.pincer;
        pointer.Pump();
        EXPECT_EQ(CMouseCursor::sCursor->GetFrame(), c.image) << c.leftDown << c.pincer;
    }
    EXPECT_EQ(CMouseCursor::sCursor->GetX(), 97);
    EXPECT_EQ(CMouseCursor::sCursor->GetY(), 198);
}

TEST_F(CMouseCursorTest, HidingCountsDownCallsOfShowMouse)
{
    EXPECT_TRUE(CMouseCursor::sHourglass->Hidden()) << "the hourglass starts hidden";
    EXPECT_FALSE(CMouseCursor::IsHidden());
    CMouseCursor::HideMouse(0, false);
    EXPECT_TRUE(CMouseCursor::IsHidden());
    CMouseCursor::ShowMouse();
    EXPECT_TRUE(CMouseCursor::IsHidden()) << "the first call lowers the count to -1";
    CMouseCursor::ShowMouse();
    EXPECT_FALSE(CMouseCursor::sCursor->Hidden());

    CMouseCursor::HideMouse(2, true);
    CMouseCursor::ShowHourglass(false);
    EXPECT_FALSE(CMouseCursor::sHourglass->Hidden());
    EXPECT_TRUE(CMouseCursor::sCursor->Hidden()) << "a hidden pointer stays hidden";
    for (int i = 0; i < 3; i++) {
        CMouseCursor::ShowMouse();
    }
    EXPECT_TRUE(CMouseCursor::sCursor->Hidden());
    CMouseCursor::ShowMouse();
    EXPECT_FALSE(CMouseCursor::sCursor->Hidden());
    EXPECT_TRUE(CMouseCursor::sHourglass->Hidden());

    CMouseCursor::ShowHourglass(true);
    EXPECT_TRUE(CMouseCursor::sCursor->Hidden()) << "the hourglass takes the shown pointer's place";
    CMouseCursor::ShowMouse();
    EXPECT_FALSE(CMouseCursor::sCursor->Hidden());
}

TEST_F(CMouseCursorTest, MovingThePointerIsClampedAndHeardAsAMouseMove)
{
    MoveScreen screen;
    for (bool absolute : {true, false}) {
        SCOPED_TRACE(absolute ? "absolute" : "relative");
        CController::SetMouseAbsolute(absolute);
        CController::SetMouseMultiplier(2.0f);
        CMouseCursor::MoveCursor(900, -5);
        input.Pump(&screen);
        // Relative mode adds the pushed motion (1, 1) times the multiplier,
        // and stays on the screen.
        EXPECT_EQ(screen.lastX, 800);
        EXPECT_EQ(screen.lastY, absolute ? 0 : 2);
        EXPECT_EQ(CMouseCursor::GetMouseX(), 800);
    }
}

TEST(CMouseCursor, AMissingPointerImageEndsTheProgramNamingIt)
{
    for (const char* name : {"pointerA1.png", "mouse_hourglass.tga"}) {
        const ChildResult result = RunInChild([&] {
            TempFolder folder;
            GameResources::LinkResources();
            GameResources::DropImages({name});
            GameResources resources(folder);
            CMouseCursor pointer;
        });
        EXPECT_EQ(result.exitCode, 1) << name;
        EXPECT_THAT(result.output, HasSubstr(std::string("Unable to find preloaded image: ") + name));
    }
}

TEST_F(CMouseCursorTest, RisesToTheHandOfAGrownIslanderHeldOnTheFocusedGameScreen)
{
    const int year = 172800;
    struct Case {
        const char* what;
        int years, gender;
        bool focused, dropped;
        int dx, dy;
    };
    const Case cases[] = {
        {"a woman", 30, 0, true, false, 2, -50},   {"a man", 30, 1, true, false, 3, -50},
        {"a baby", 2, 1, true, false, 0, 0},       {"a kid", 13, 1, true, false, 0, 0},
        {"a grown-up of 14", 14, 0, true, false, 2, -50},
        {"not yet moved", 30, 1, true, true, 0, 0}, {"a screen above the game", 30, 1, false, false, 0, 0},
    };
    input.mouseX = 100;
    input.mouseY = 200;
    CProfile profile;
    CControllerGame game(false, false);
    game.hasFocus = true;
    for (const Case& c : cases) {
        CPerson held(IslanderRecord(0, 0, c.years * year, c.gender));
        game.hasFocus = c.focused;
        game.shiftCursorPending = c.dropped;
        game.pickupCandidate = &held;
        pointer.Pump();
        EXPECT_EQ(CMouseCursor::sCursor->GetX(), 97 + c.dx) << c.what;
        EXPECT_EQ(CMouseCursor::sCursor->GetY(), 198 + c.dy) << c.what;
        game.pickupCandidate = nullptr;
    }
    pointer.Pump();
    EXPECT_EQ(CMouseCursor::sCursor->GetY(), 198) << "nothing held";
}
