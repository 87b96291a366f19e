#include "CGuiCheckBox.h"
#include "CGuiSliderBar.h"
#include "CGuiTestFixture.h"

#include "CDraw.h"
#include "ChildProcess.h"
#include "Screenshot.h"
#include "XDisplayLock.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// A labelled button with its shadow, a hovered one, a checked box and a
// slider, drawn in a real window; the number of them that drew nothing.
struct WidgetScene : WidgetTest {
    void TestBody() override {}

    int Draw(const std::string& path)
    {
        button_data record = Face(100, 100, 1, &screen);
        record.shadowOffsetX = record.shadowOffsetY = 3;
        CGuiButton resting(record);
        record.x = 250;
        CGuiButton hovered(record);
        CGuiCheckBox box(100, 200, 4, &screen, "personGUI_chkbox0A_base.png", "personGUI_chkbox0A_roll%i.png",
                         "personGUI_chkbox0B_base.png", "personGUI_chkbox0B_roll%i.png", 0, 0, 5, false, -1);
        box.SetChecked(true);
        CGuiSliderBar slider(100, 300, "wt_knob.tga", "wt_under.tga", "wt_knob%i.tga");
        MouseAt(300, 120);
        Frame(8);
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
        return (InkIn(100, 100, kFaceW, kFaceH) == 0) + (InkIn(250, 100, kFaceW, kFaceH) == 0) +
               (InkIn(100, 200, 24, 24) == 0) + (InkIn(100, 300, 16, 24) == 0);
    }
};

}  // namespace

// Under a real X server (scripts/test starts one and names it in
// PALMORA_XVFB_DISPLAY), for a person to look at.
TEST(WidgetsOnX, DrawAButtonWithItsLabelACheckBoxAndASlider)
{
    const char* display = getenv("PALMORA_XVFB_DISPLAY");
    if (!display || !*display) {
        GTEST_SKIP() << "no X server for screenshots (PALMORA_XVFB_DISPLAY)";
    }
    const std::string path = ScreenshotPath("CGuiWidgets-x11.png");
    const XDisplayLock onlyWindow(display);
    const ChildResult result = RunInChild([&] {
        setenv("SDL_VIDEODRIVER", "x11", 1);
        setenv("DISPLAY", display, 1);
        const int empty = WidgetScene().Draw(path);
        printf("%i widgets drew nothing\n", empty);
        fflush(stdout);
        if (empty) {
            _exit(2);
        }
    });
    EXPECT_EQ(result.exitCode, 0) << result.output;
    printf("%s -> %s\n", result.output.c_str(), path.c_str());
}
