#include "CControllerIntro.h"

#include "CInput.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <sys/stat.h>

namespace {

// A headless video screen and an event pump, as start-up would make them.
class IntroScreen : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_NE(SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE), nullptr) << SDL_GetError();
        CController::input = &input;
        CController::running = true;
        intro.GotFocus(nullptr, true);
    }

    void TearDown() override
    {
        CController::focus = nullptr;
        CController::input = nullptr;
        CController::running = true;
        SDL_Quit();
    }

    static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }

    CInput input;
    CControllerIntro intro;
};

SDL_Event Key(Uint8 type)
{
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = SDLK_SPACE;
    return event;
}

SDL_Event Button(Uint8 type, Uint8 button)
{
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    return event;
}

SDL_Event Motion()
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = 10;
    event.motion.y = 20;
    return event;
}

SDL_Event Quit()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    return event;
}

}  // namespace

TEST_F(IntroScreen, WaitsThroughMovesAndReleases)
{
    Push(Motion());
    Push(Key(SDL_KEYUP));
    Push(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    Push(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE));
    CController::PumpFocus();
    CController::PumpFocus();
    EXPECT_TRUE(CController::running);
    EXPECT_EQ(intro.returnCode, -2);
    EXPECT_TRUE(intro.hasFocus);

    // The picture is drawn straight onto the screen; keep a copy to look at.
    mkdir("screenshots", 0777);
    EXPECT_EQ(SDL_SaveBMP(SDL_GetVideoSurface(), "screenshots/CControllerIntro.bmp"), 0);
}

TEST_F(IntroScreen, EndsTheProgramOnAKeyAClickOrAWindowClose)
{
    const struct {
        const char* what;
        SDL_Event event;
    } cases[] = {
        {"key", Key(SDL_KEYDOWN)},
        {"left click", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT)},
        {"right click", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT)},
        {"window close", Quit()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CController::running = true;
        intro.GotFocus(nullptr, true);
        Push(c.event);
        CController::PumpFocus();
        EXPECT_FALSE(CController::running);
    }
}

TEST_F(IntroScreen, EndsOneFrameAfterItsChildHandsBack)
{
    class Child : public CController {
    public:
        void GotFocusBack() override {}
        void Pump() override { ShutDown(0); }
        void InputKey(bool, int) override {}
        void InputMouseMove(int, int) override {}
        void InputMouseClick(bool, bool, bool) override {}
    } child;
    intro.PassFocus(&child);
    CController::PumpFocus();
    EXPECT_EQ(CController::focus, &intro);
    EXPECT_TRUE(CController::running);
    CController::PumpFocus();
    EXPECT_FALSE(CController::running);
}
