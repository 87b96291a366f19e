// A pressed check box sinks as a pressed button does, its check mark with it.
#include "CGuiCheckBox.h"
#include "CGuiTestFixture.h"
#include "Screenshot.h"

#include <SDL.h>

namespace {

// The screen's pixels in a square of 30 from (x, y).
rgb_picture ShownAround(int x, int y)
{
    constexpr int kSide = 30;
    const rgb_picture screen = PictureOf(SDL_GetVideoSurface());
    rgb_picture part;
    part.w = part.h = kSide;
    for (int row = y; row < y + kSide; row++) {
        const auto from = screen.rgb.begin() + (static_cast<long>(row) * screen.w + x) * 3;
        part.rgb.insert(part.rgb.end(), from, from + kSide * 3);
    }
    return part;
}

}  // namespace

TEST_F(WidgetTest, AHeldCheckedBoxSinksByTwoWithItsCheckMark)
{
    CGuiCheckBox box(100, 100, 7, &screen, "personGUI_chkbox0A_base.png", "personGUI_chkbox0A_roll%i.png",
                     "personGUI_chkbox0B_base.png", "personGUI_chkbox0B_roll%i.png", 0, 0, 5, false, -1);
    box.SetChecked(true);
    MouseAt(110, 110);
    Frame(12);  // the rollovers have run to their last faces
    const rgb_picture resting = ShownAround(98, 98);
    ASSERT_GT(InkIn(98, 98, 30, 30), 0);

    Left(false);
    Frame(2);
    EXPECT_EQ(ShownAround(100, 100).CountDifferences(resting), 0) << "box and mark two pixels right and down";
    EXPECT_NE(ShownAround(98, 98).CountDifferences(resting), 0);

    Left(true);
    Frame();
    EXPECT_EQ(screen.calls, (Calls{{7, 0}})) << "the release is the click";
}
