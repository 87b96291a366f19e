#include "CGuiCheckBox.h"
#include "CGuiSliderBar.h"
#include "CGuiTestFixture.h"

#include "CDraw.h"
#include "Screenshot.h"

#include <cstdio>

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

TEST(WidgetsOnX, DrawAButtonWithItsLabelACheckBoxAndASlider)
{
    ScreenshotOnX("CGuiWidgets-x11.png", [](const std::string& path) { return WidgetScene().Draw(path); });
}
