#include "CControllerTrophyScreens.h"

#include "CControllerTrophyUnlock.h"
#include "CSprite.h"
#include "ChildProcess.h"
#include "TrophyTable.h"
#include "XDisplayLock.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

struct TrophyScenes : TrophyScreenTest {
    void TestBody() override {}
    void Start() { SetUp(); }
    void Finish() { TearDown(); }

    // The room with five trophies held and the pointer on the fourth held one.
    void Room(const std::string& path)
    {
        TutorialOn(false);
        CControllerTrophies::SetVar((1 << 0) | (1 << 5) | (1 << 9) | (1 << 20) | (1 << 23));
        CControllerTrophies room;
        opener.PassFocus(&room);
        PointAt(kTrophyLooks[20].roomDisc.x + 55, kTrophyLooks[20].roomDisc.y + 55);
        Turn(8);
        resources.Draw().Flip(false);
        SavePng(Shown(), path);
        printf("hovered %i\n", room.Hovered());
    }

    // The pop-up over a frozen picture, with the tutorial waiting to teach
    // step 35 on it.
    void PopUp(const std::string& path)
    {
        CompleteSteps(0, 23);
        CSprite backdrop(0, 0, 100);
        backdrop.LoadImage("logo_bg.jpg");
        Turn();
        resources.Renderer().Swap();
        CControllerTrophyUnlock popUp(1 << 11);
        opener.PassFocus(&popUp);
        PointAt(600, 560);
        Turn(8);
        resources.Draw().Flip(false);
        SavePng(Shown(), path);
        printf("step %i\n", CTutorialDialog::activeDialog ? CTutorialDialog::activeDialog->GetTutID() : -1);
    }
};

// Under a real X server (scripts/test starts one and names it in
// PALMORA_XVFB_DISPLAY), for a person to look at.
TEST(TrophyScreensOnX, DrawTheCabinetWithAPointedTrophyAndTheAnnouncement)
{
    const char* display = getenv("PALMORA_XVFB_DISPLAY");
    if (!display || !*display) {
        GTEST_SKIP() << "no X server for screenshots (PALMORA_XVFB_DISPLAY)";
    }
    const XDisplayLock onlyWindow(display);
    const std::string room = ScreenshotPath("TrophyRoom-x11.png");
    const std::string popUp = ScreenshotPath("TrophyPopUp-x11.png");
    for (int scene = 0; scene < 2; scene++) {
        const ChildResult result = RunInChild([&] {
            setenv("SDL_VIDEODRIVER", "x11", 1);
            setenv("DISPLAY", display, 1);
            TrophyScenes scenes;
            scenes.Start();
            if (scene == 0) {
                scenes.Room(room);
            } else {
                scenes.PopUp(popUp);
            }
            scenes.Finish();
            fflush(stdout);
        });
        EXPECT_EQ(result.exitCode, 0) << result.output;
        printf("%s -> %s\n", result.output.c_str(), scene == 0 ? room.c_str() : popUp.c_str());
    }
    EXPECT_TRUE(access(room.c_str(), F_OK) == 0 && access(popUp.c_str(), F_OK) == 0);
}

}  // namespace
