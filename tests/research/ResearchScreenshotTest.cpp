// The research screen and the hut chooser drawn in a real window, for a
// person to look at.
#include "tests/research/ResearchScreenFixture.h"

#include "CDraw.h"
#include "CMouseCursor.h"
#include "ChildProcess.h"
#include "Screenshot.h"
#include "XDisplayLock.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

struct Scenes : ScreenTest {
    void TestBody() override {}

    void Save(const std::string& name)
    {
        resources.Renderer().RedrawScreen();
        resources.Renderer().Render(true);
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), ScreenshotPath(name));
    }

    // Mixed levels, and the research step the game raised with its ring.
    // The number of texts and buttons that show nothing.
    int Research()
    {
        SetUp();
        SetLevels(1, 2, 0, 1);
        CompleteSteps(0, 73);
        game = std::make_unique<CControllerGame>();
        game->pendingTutorial = 74;
        profile->SetValue<int>(25, 123456);
        CControllerScience* screen = OpenResearch();
        CMouseCursor::MoveCursor(0, 0);
        Frame(3);
        int empty = CTutorialDialog::activeDialog == nullptr;
        for (CSprite* text : {screen->pointsLabel, screen->pointsNumber, screen->titles[3], screen->costValues[1]}) {
            empty += text->Hidden() || text->GetW() < 10;
        }
        Save("research-screen-x11.png");
        TearDown();
        return empty;
    }

    // The chooser with the second hut bouncing under the pointer.
    int Chooser(int construction, const std::string& name)
    {
        SetUp();
        SetLevels(0, construction, 0, 0);
        CControllerHutSelect* chooser = OpenHutSelect(true);
        PointAt(chooser, 2);
        // The window's own pointer must agree.
        CMouseCursor::MoveCursor(input.mouseX, input.mouseY);
        Frame(2);
        const int empty = chooser->huts[1]->GetFrame() == 0;
        Save(name);
        TearDown();
        return empty;
    }
};

}  // namespace

// Under a real X server (scripts/test starts one and names it in
// PALMORA_XVFB_DISPLAY).
TEST(ResearchOnX, TheResearchScreenAndTheHutChooser)
{
    const char* display = getenv("PALMORA_XVFB_DISPLAY");
    if (!display || !*display) {
        GTEST_SKIP() << "no X server for screenshots (PALMORA_XVFB_DISPLAY)";
    }
    const XDisplayLock onlyWindow(display);
    const ChildResult result = RunInChild([&] {
        setenv("SDL_VIDEODRIVER", "x11", 1);
        setenv("DISPLAY", display, 1);
        int empty = Scenes().Research();
        empty += Scenes().Chooser(1, "hut-chooser-level1-x11.png");
        empty += Scenes().Chooser(2, "hut-chooser-level2-x11.png");
        printf("%i parts showed nothing\n", empty);
        fflush(stdout);
        if (empty) {
            _exit(2);
        }
    });
    EXPECT_EQ(result.exitCode, 0) << result.output;
}
