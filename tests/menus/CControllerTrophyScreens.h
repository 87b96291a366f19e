// Shared by the trophy room and trophy pop-up tests: the services fixture
// with an opener screen under the screen tested, SDL events pushed the way
// the player makes them, and turns of the main loop.
#pragma once

#include "tests/tutorial/ServicesFixture.h"

#include "CDraw.h"
#include "CGuiButtonBase.h"
#include "CRenderer.h"
#include "QuietScreen.h"
#include "Screenshot.h"
#include "SdlInput.h"

#include <SDL.h>

#include <functional>

// The screen that opens the one tested; it records each hand-back.
class Opener : public QuietScreen {
public:
    void GotFocusBack() override
    {
        handBacks++;
        if (onHandBack) {
            onHandBack();
        }
    }
    void Pump() override { GetInput(); }

    int handBacks = 0;
    std::function<void()> onHandBack;
};

class TrophyScreenTest : public ServicesTest, public SdlInput {
protected:
    void SetUp() override
    {
        ServicesTest::SetUp();
        DrainEvents();
        opener.GotFocus(nullptr, true);
    }

    void TearDown() override
    {
        CController::focus = nullptr;
        CController::running = true;
        CGuiButtonBase::currentButton = -1;
        CGuiButtonBase::leftMouseDown = false;
        ServicesTest::TearDown();
    }

    // A left click on a button: one turn to hover it, one to click it.
    void ClickAt(int x, int y)
    {
        PointAt(x, y);
        Turn();
        Button(SDL_BUTTON_LEFT);
        Turn();
    }

    // One turn of the main loop: the focused screen, then drawing.
    void Turn(int count = 1)
    {
        for (int i = 0; i < count; i++) {
            CController::PumpFocus();
            resources.Renderer().Render(true);
        }
    }

    static rgb_picture Shown() { return PictureOf(SDL_GetVideoSurface()); }

    // Pixels that differ inside a rectangle of two pictures of the screen.
    static int DifferencesIn(const rgb_picture& a, const rgb_picture& b, int x, int y, int w, int h)
    {
        int count = 0;
        for (int row = y; row < y + h; row++) {
            for (int column = x; column < x + w; column++) {
                const size_t at = static_cast<size_t>((row * a.w + column) * 3);
                count += a.rgb[at] != b.rgb[at] || a.rgb[at + 1] != b.rgb[at + 1] || a.rgb[at + 2] != b.rgb[at + 2];
            }
        }
        return count;
    }

    static void TutorialOn(bool on) { CProfile::current->SetValue<bool>(67, on); }

    Opener opener;
};
