#include "CControllerIntro.h"

#include "CControllerMain.h"
#include "CInput.h"
#include "CMouseCursor.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "GameResources.h"
#include "Screenshot.h"
#include "SdlInput.h"
#include "TempFolder.h"
#include "Utilities.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

Uint32 fakeNow = 1000;
Uint32 FakeTicks()
{
    return fakeNow;
}

// The logo screen among the services start-up makes before it, on a clock
// the test moves.
class LogoTest : public testing::Test, public SdlInput {
protected:
    void SetUp() override
    {
        CController::input = &input;
        CController::running = true;
        profile = std::make_unique<CProfile>();
        CControllerIntro::ticks = FakeTicks;
        CControllerIntro::splashFolder = "splashes/";
        mkdir("splashes", 0700);
    }

    void TearDown() override
    {
        logo.reset();
        CControllerIntro::ticks = SDL_GetTicks;
        CControllerIntro::splashFolder = RESOURCE_FOLDER;
        CController::focus = nullptr;
        CController::running = true;
        profile.reset();
        CController::input = nullptr;
    }

    static std::string JpegBytes()
    {
        std::ifstream in(RESOURCE_FOLDER "loadingscreen_main.dat", std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    static void WriteSplash(const char* name, const std::string& bytes)
    {
        std::ofstream(std::string("splashes/") + name, std::ios::binary) << bytes;
    }

    CControllerIntro& Start()
    {
        logo = std::make_unique<CControllerIntro>();
        logo->GotFocus(nullptr, true);
        return *logo;
    }

    void Frame()
    {
        CController::PumpFocus();
        resources.Renderer().Render(true);
    }

    // Frames until the cross-fade from the loading picture is over.
    void PastTheFade()
    {
        while (logo->lastFrame && logo->lastFrame->Fading()) {
            Frame();
        }
        Frame();  // the animation's clock starts
        ASSERT_NE(logo->startTime, -1);
    }

    // Milliseconds on the sequence's clock until the main menu has the focus;
    // a frame takes 33 of them except while a splash fades in.
    long TimeToMenu()
    {
        const Uint32 start = fakeNow;
        for (int frame = 0; frame < 2000; frame++) {
            if (dynamic_cast<CControllerMain*>(CController::focus)) {
                return static_cast<long>(fakeNow - start);
            }
            const bool fading =
                (logo->splash2 && logo->splash2->Fading()) || (logo->splash3 && logo->splash3->Fading());
            if (!fading) {
                fakeNow += 33;
            }
            Frame();
        }
        return -1;
    }

    TempFolder folder;
    GameResources resources{folder};
    CInput input;
    CMouseCursor pointer;
    std::unique_ptr<CProfile> profile;
    std::unique_ptr<CControllerIntro> logo;
};

TEST_F(LogoTest, TheMenuComesAfterFourSecondsOrAfterTheSplashesThereAre)
{
    const std::string jpeg = JpegBytes();
    ASSERT_GT(jpeg.size(), 100u);
    struct timing {
        bool splash2, splash3;
        long from;
    };
    for (const timing& t : {timing{false, false, 4000}, timing{true, false, 7000}, timing{true, true, 10000},
                            timing{false, true, 7000}}) {
        remove("splashes/splash2.jpg");
        remove("splashes/splash3.jpg");
        if (t.splash2) {
            WriteSplash("splash2.jpg", jpeg);
        }
        if (t.splash3) {
            WriteSplash("splash3.jpg", jpeg);
        }
        Start();
        EXPECT_EQ(logo->splash2 != nullptr, t.splash2);
        EXPECT_EQ(logo->splash3 != nullptr, t.splash3);
        PastTheFade();
        const long shown = TimeToMenu();
        EXPECT_GE(shown, t.from) << t.splash2 << t.splash3;
        EXPECT_LE(shown, t.from + 100) << t.splash2 << t.splash3;
        EXPECT_EQ(logo->textA, nullptr) << "the logo unloads under the menu";
        CController::focus->ShutDown(0);
        Frame();
        EXPECT_TRUE(logo->done);
        Frame();
        EXPECT_FALSE(CController::running) << "the menu's return ends the program";
        CController::running = true;
    }
}

TEST_F(LogoTest, KeysWaitForTheFadeAndTheirReleaseAndTheTextSlidesToRest)
{
    Start();
    KeyEdge(SDLK_SPACE, false);
    Frame();
    ASSERT_TRUE(logo->lastFrame->Fading()) << "the fade runs half a second";
    EXPECT_EQ(CController::focus, logo.get()) << "nothing during the fade";
    PastTheFade();
    for (int i = 0; i < 30; i++) {
        fakeNow += 33;
        Frame();
    }
    EXPECT_EQ(logo->textA->GetX(), 295 + 107);
    EXPECT_EQ(logo->textBShadow->GetX(), 304 + 107);
    EXPECT_FALSE(logo->textA->Hidden());
    KeyEdge(SDLK_SPACE, true);
    ButtonEdge(SDL_BUTTON_LEFT, true);
    Frame();
    EXPECT_EQ(CController::focus, logo.get()) << "a press does nothing";
    ButtonEdge(SDL_BUTTON_LEFT, false);
    Frame();
    EXPECT_NE(dynamic_cast<CControllerMain*>(CController::focus), nullptr);
}

TEST_F(LogoTest, TheLinesWriteThemselvesFromFrames34And61AndRestOnTheirLastPicture)
{
    Start();
    PastTheFade();
    int startA = -1, startB = -1;
    for (int i = 0; i < 100; i++) {
        const int frame = logo->frameCounter;
        fakeNow += 33;
        Frame();
        if (startA == -1 && !logo->textA->Paused()) {
            startA = frame;
        }
        if (startB == -1 && !logo->textB->Paused()) {
            startB = frame;
        }
    }
    EXPECT_EQ(startA, 34);
    EXPECT_EQ(startB, 61);
    for (CSprite* line : {logo->textA, logo->textB}) {
        EXPECT_EQ(line->GetNumImages(), 30);
        EXPECT_EQ(line->GetFrame(), 29u) << "written in and out once";
        EXPECT_TRUE(line->Paused());
    }
}

// A splash file that is missing, empty, cut short or no picture at all is
// left out without a word; the logo runs as without it.
TEST_F(LogoTest, ABrokenSplashFileIsLeftOut)
{
    const std::string jpeg = JpegBytes();
    for (const std::string& bytes : {std::string(), jpeg.substr(0, jpeg.size() / 2), std::string("not a picture"),
                                     std::string("\xFF\xD8\xFF\xD9", 4)}) {
        WriteSplash("splash2.jpg", bytes);
        Start();
        EXPECT_EQ(logo->splash2, nullptr) << bytes.size();
        PastTheFade();
        const long shown = TimeToMenu();
        EXPECT_GE(shown, 4000);
        EXPECT_LE(shown, 4100);
        logo.reset();
    }
}

TEST_F(LogoTest, AWindowCloseDuringTheLogoEndsTheProgram)
{
    Start();
    CloseWindow();
    Frame();
    EXPECT_FALSE(CController::running);
}

}  // namespace
