#include "CGuiSliderBar.h"
#include "CGuiTestFixture.h"

#include "CRenderer.h"

class CGuiSliderBarTest : public WidgetTest {
protected:
    CGuiSliderBar left{100, 100, "wt_knob.tga", "wt_under.tga", "wt_knob%i.tga"};
    CGuiSliderBar right{116, 100, "wt_knob.tga", "wt_under.tga", "wt_knob%i.tga"};
};

TEST_F(CGuiSliderBarTest, AGrabStartsOnlyOnceTheKnobHasLeftItsFirstFrameAndEndsAtTheRelease)
{
    MouseAt(60, 110);
    Left(false);
    Frame();
    MouseAt(105, 110);  // slid onto the knob with the button down
    CGuiSliderBar::PumpAll();
    EXPECT_FALSE(left.IsHeldDown()) << "the knob is still on its first frame";
    resources.Renderer().Render(true);
    EXPECT_TRUE(left.IsHeldDown());
    Left(true);
    EXPECT_FALSE(left.IsHeldDown());
}

TEST_F(CGuiSliderBarTest, OfTwoAdjacentSlidersOnlyOneAnimatesAndIsHeld)
{
    MouseAt(105, 110);
    Frame(3);
    Left(false);
    MouseAt(120, 110);  // onto the right-hand knob, still holding
    // The left knob runs back over two frames before the right one moves.
    const bool leftHeld[] = {true, false, false, false};
    const bool rightHeld[] = {false, false, true, true};
    for (int frame = 0; frame < 4; frame++) {
        Frame();
        EXPECT_EQ(left.IsHeldDown(), leftHeld[frame]) << "frame " << frame;
        EXPECT_EQ(right.IsHeldDown(), rightHeld[frame]) << "frame " << frame;
    }
}
