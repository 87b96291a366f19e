#include "CControllerIntro.h"

#include "CControllerGame.h"
#include "CControllerInGameMenu.h"
#include "CMap.h"
#include "CProfile.h"

#include "CDraw.h"
#include "CInput.h"
#include "CMouseCursor.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "ChildProcess.h"
#include "GameResources.h"
#include "Screenshot.h"
#include "TempFolder.h"
#include "XDisplayLock.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xutil.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The first screen among the services start-up makes before it: the
// pictures and the renderer, the event pump and the pointer.
class FirstScreen {
public:
    explicit FirstScreen(const TempFolder& folder) : resources(folder)
    {
        CController::input = &input;
        CController::running = true;
        intro.GotFocus(nullptr, true);
    }

    ~FirstScreen()
    {
        CController::focus = nullptr;
        CController::input = nullptr;
        CController::running = true;
    }

    // One turn of the main loop.
    void Frame()
    {
        CController::PumpFocus();
        if (CController::running) {
            pointer.Pump();
            resources.Renderer().Render(true);
            resources.Draw().Flip(true);
        }
    }

    // What the renderer must have drawn: the screen's picture with the
    // pointer over it, where the pointer now stands.
    rgb_picture Expected()
    {
        CDraw& draw = resources.Draw();
        const SDL_PixelFormat* format = SDL_GetVideoSurface()->format;
        SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, format->BitsPerPixel, format->Rmask,
                                                    format->Gmask, format->Bmask, 0);
        const int background = draw.LoadImage("logo_bg.jpg", false, false);
        SDL_BlitSurface(draw.GetSurface(background), nullptr, picture, nullptr);
        draw.RemoveImage(background);
        CSprite* cursor = CMouseCursor::sCursor;
        SDL_Rect at = {static_cast<Sint16>(cursor->GetX()), static_cast<Sint16>(cursor->GetY()), 0, 0};
        SDL_BlitSurface(draw.GetSurface(cursor->GetImage(static_cast<int>(cursor->GetFrame()))), nullptr, picture,
                        &at);
        rgb_picture result = PictureOf(picture);
        SDL_FreeSurface(picture);
        return result;
    }

    GameResources resources;
    CInput input;
    CMouseCursor pointer;
    CControllerIntro intro;
};

class IntroScreen : public testing::Test {
protected:
    static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }

    TempFolder folder;
    FirstScreen first{folder};
};

// An event of the given type: the space key, the button, or a motion to (x, y).
SDL_Event Event(Uint8 type, int button = 0, int x = 0, int y = 0)
{
    SDL_Event event{};
    event.type = type;
    if (type == SDL_KEYDOWN || type == SDL_KEYUP) {
        event.key.keysym.sym = SDLK_SPACE;
    }
    if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) {
        event.button.button = static_cast<Uint8>(button);
    }
    if (type == SDL_MOUSEMOTION) {
        event.motion.x = static_cast<Uint16>(x);
        event.motion.y = static_cast<Uint16>(y);
    }
    return event;
}

using GetImageFunction = XImage* (*)(Display*, Drawable, int, int, unsigned int, unsigned int, unsigned long, int);

int Channel(unsigned long pixel, unsigned long mask)
{
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        pixel >>= 1;
        shift++;
    }
    return static_cast<int>(pixel & mask);
}

// What the X server shows in the game's window. Xlib came into the process
// with SDL's X11 driver; it is looked up rather than linked.
bool CaptureWindow(rgb_picture& picture)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    auto getImage = reinterpret_cast<GetImageFunction>(dlsym(RTLD_DEFAULT, "XGetImage"));
    if (SDL_GetWMInfo(&info) != 1 || info.subsystem != SDL_SYSWM_X11 || !getImage) {
        return false;
    }
    info.info.x11.lock_func();
    XImage* image = getImage(info.info.x11.gfxdisplay, info.info.x11.window, 0, 0, 800, 600, AllPlanes, ZPixmap);
    info.info.x11.unlock_func();
    if (!image) {
        return false;
    }
    picture.w = 800;
    picture.h = 600;
    picture.rgb.clear();
    for (int y = 0; y < 600; y++) {
        for (int x = 0; x < 800; x++) {
            const unsigned long pixel = XGetPixel(image, x, y);
            picture.rgb.push_back(static_cast<uint8_t>(Channel(pixel, image->red_mask)));
            picture.rgb.push_back(static_cast<uint8_t>(Channel(pixel, image->green_mask)));
            picture.rgb.push_back(static_cast<uint8_t>(Channel(pixel, image->blue_mask)));
        }
    }
    XDestroyImage(image);
    return true;
}

}  // namespace

TEST_F(IntroScreen, ShowsItsPictureWithThePointerAndWaitsThroughMovesAndReleases)
{
    Push(Event(SDL_MOUSEMOTION, 0, 10, 20));
    Push(Event(SDL_KEYUP));
    Push(Event(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    Push(Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE));
    first.Frame();
    Push(Event(SDL_MOUSEMOTION, 0, 300, 200));
    first.Frame();
    EXPECT_TRUE(CController::running);
    EXPECT_EQ(first.intro.returnCode, -2);

    EXPECT_EQ(CMouseCursor::sCursor->GetX(), 297);
    const rgb_picture shown = PictureOf(SDL_GetVideoSurface());
    EXPECT_EQ(shown.CountDifferences(first.Expected()), 0) << "no pointer left behind";
    EXPECT_TRUE(SavePng(shown, ScreenshotPath("CControllerIntro.png")));
}

TEST_F(IntroScreen, EndsTheProgramOnAKeyARightClickOrAWindowClose)
{
    const SDL_Event cases[] = {Event(SDL_KEYDOWN), Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), Event(SDL_QUIT)};
    for (const SDL_Event& event : cases) {
        CController::running = true;
        first.intro.GotFocus(nullptr, true);
        Push(event);
        first.Frame();
        EXPECT_FALSE(CController::running) << "event type " << int(event.type);
    }
}

// Under a real X server (scripts/test starts one and names it in
// PALMORA_XVFB_DISPLAY): what reaches the window after the pointer moved is
// the picture with the pointer where it now stands, nothing left behind.
TEST(IntroScreenOnX, PresentsThePictureAndThePointerInTheWindow)
{
    const char* display = getenv("PALMORA_XVFB_DISPLAY");
    if (!display || !*display) {
        GTEST_SKIP() << "no X server for screenshots (PALMORA_XVFB_DISPLAY)";
    }
    const std::string path = ScreenshotPath("CControllerIntro-x11.png");
    const XDisplayLock onlyWindow(display);
    const ChildResult result = RunInChild([&] {
        setenv("SDL_VIDEODRIVER", "x11", 1);
        setenv("DISPLAY", display, 1);
        int failure = 0;
        {
            TempFolder folder;
            FirstScreen first(folder);
            CMouseCursor::MoveCursor(100, 100);
            first.Frame();
            first.Frame();
            CMouseCursor::MoveCursor(400, 300);
            first.Frame();
            first.Frame();
            rgb_picture shown;
            if (!CaptureWindow(shown)) {
                printf("the window could not be read\n");
                failure = 3;
            } else {
                SavePng(shown, path);
                const int differences = shown.CountDifferences(first.Expected());
                printf("pointer at (%i, %i); %i pixels differ from the expected picture\n",
                       CMouseCursor::sCursor->GetX(), CMouseCursor::sCursor->GetY(), differences);
                failure = differences == 0 && CMouseCursor::sCursor->GetX() == 397 ? 0 : 2;
            }
        }
        fflush(stdout);
        if (failure) {
            _exit(failure);
        }
    });
    EXPECT_EQ(result.exitCode, 0) << result.output;
    printf("%s -> %s\n", result.output.c_str(), path.c_str());
}

// The road into the game and back, twice: a new island the first time, left
// through the menu; the stored one the second, left by a stalled machine.
TEST_F(IntroScreen, ALeftClickOpensTheGameAndTheNextVisitContinuesTheSameIsland)
{
    CProfile profile;
    unsigned int seeds[2] = {0, 0};
    for (unsigned int& seed : seeds) {
        Push(Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
        first.Frame();
        ASSERT_NE(CControllerIntro::gameScreen, nullptr);
        ASSERT_EQ(CController::focus, CControllerIntro::gameScreen);
        ASSERT_NE(CControllerGame::island, nullptr);
        seed = CControllerGame::island->GetCurrentSeed();
        for (int i = 0; i < 30; i++) {
            first.Frame();
        }
        if (&seed == &seeds[0]) {
            SDL_Event escape = Event(SDL_KEYUP);
            escape.key.keysym.sym = SDLK_ESCAPE;
            Push(escape);
            first.Frame();
            ASSERT_NE(CControllerGame::inGameMenu, nullptr);
            CControllerGame::inGameMenu->GUICallback(CControllerInGameMenu::kQuit, 0);
        } else {
            CControllerIntro::gameScreen->lastFrameTicks = SDL_GetTicks() - 70000;
        }
        for (int i = 0; i < 3; i++) {
            first.Frame();
        }
        EXPECT_EQ(CController::focus, &first.intro);
        EXPECT_EQ(CControllerIntro::gameScreen, nullptr);
        EXPECT_TRUE(CController::running);
        EXPECT_EQ(profile.GetValue<unsigned int>(1), seed);
    }
    EXPECT_NE(seeds[0], 0u);
    EXPECT_EQ(seeds[1], seeds[0]);
}
