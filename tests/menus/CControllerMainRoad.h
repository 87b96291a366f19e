// Shared by the tests of the road into the game: the game screen's fixture
// (pictures, profile, an empty world) with a screen standing for the logo
// screen under the one tested, player input pushed as SDL events, and turns
// of the main loop.
#pragma once

#include "tests/game/CControllerGameFixture.h"

#include "CControllerIntroStory.h"
#include "CControllerIslandSelect.h"
#include "CControllerMain.h"
#include "CGuiButtonBase.h"
#include "CMouseCursor.h"
#include "CRenderer.h"
#include "QuietScreen.h"
#include "Screenshot.h"
#include "SdlInput.h"

#include <SDL.h>

#include <functional>

// The root under the screen tested; it deletes what comes back to it.
class RoadRoot : public QuietScreen {
public:
    void GotFocusBack() override
    {
        handBacks++;
        delete child;
        child = nullptr;
    }
    void Pump() override { GetInput(); }

    // Hands the focus to the screen made now.
    template <class Screen, class... Args>
    Screen* Open(Args... args)
    {
        Screen* screen = new Screen(args...);
        child = screen;
        PassFocus(screen);
        return screen;
    }

    CController* child = nullptr;
    int handBacks = 0;
};

class ScreenRoadTest : public GameScreenTest, public SdlInput {
protected:
    using SdlInput::Push;

    void SetUp() override
    {
        GameScreenTest::SetUp();
        DrainEvents();
        root.GotFocus(nullptr, true);
    }

    void TearDown() override
    {
        delete root.child;
        root.child = nullptr;
        CControllerIslandSelect::movingTarrow = false;
        CControllerIntroStory::DeleteAmbientSounds();
        CController::focus = nullptr;
        CController::running = true;
        CGuiButtonBase::currentButton = -1;
        CGuiButtonBase::leftMouseDown = false;
        GameScreenTest::TearDown();
    }

    // A left click there: one turn to hover, one to click.
    void ClickAt(int x, int y)
    {
        PointAt(x, y);
        Turn();
        Button(SDL_BUTTON_LEFT);
        Turn();
    }

    // Turns of the main loop: the focused screen, the sounds, the drawing.
    void Turn(int count = 1)
    {
        for (int i = 0; i < count && CController::running; i++) {
            CController::PumpFocus();
            resources.Renderer().Render(true);
        }
    }

    // Leaves the main menu, which must hold the focus, and hands the focus back
    // to the screen under it, so that the next opening is a visit of its own.
    void LeaveMenu(CControllerMain* menu)
    {
        EXPECT_EQ(CController::focus, menu);
        menu->ShutDown(-1);
        Turn(3);
        CController::running = true;
        root.GotFocus(nullptr, true);
    }

    // Turns until the focused screen is one of Screen, at most count.
    template <class Screen>
    Screen* TurnUntil(int count)
    {
        for (int i = 0; i < count; i++) {
            if (Screen* screen = dynamic_cast<Screen*>(CController::focus)) {
                return screen;
            }
            Turn();
        }
        return dynamic_cast<Screen*>(CController::focus);
    }

    RoadRoot root;
};
