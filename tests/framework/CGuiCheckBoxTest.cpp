#include "CGuiCheckBox.h"
#include "CGuiTestFixture.h"

namespace {

// The check-box look is 24 x 24.
const int kBox = 24;

std::unique_ptr<CGuiCheckBox> Box(CController* owner, bool wide)
{
    return std::make_unique<CGuiCheckBox>(100, 100, 7, owner, "personGUI_chkbox0A_base.png",
                                          "personGUI_chkbox0A_roll%i.png", "personGUI_chkbox0B_base.png",
                                          "personGUI_chkbox0B_roll%i.png", 0, 0, 5, wide, -1);
}

}  // namespace

TEST_F(WidgetTest, ACheckBoxReportsItsNewStateOnAClickButNotOnSetChecked)
{
    auto box = Box(&screen, false);
    MouseAt(110, 110);
    for (int i = 0; i < 2; i++) {
        Frame();
        Click();
    }
    EXPECT_EQ(screen.calls, (Calls{{7, 1}, {7, 0}}));
    box->Hide();
    box->SetChecked(true);
    Frame();
    EXPECT_EQ(InkIn(100, 100, kBox, kBox), 0) << "a hidden box shows no check";
    EXPECT_EQ(screen.calls.size(), 2u);
}

TEST_F(WidgetTest, ACheckBoxHitAreaCanTakeInItsCaptionAndSparesTheTopAndBottomEdges)
{
    const struct {
        bool wide;
        int x, y;
        bool over;
    } cases[] = {{false, 100, 110, true}, {false, 100 + kBox, 110, false}, {true, 250, 110, true},
                 {true, 100 + 187, 110, false}, {false, 110, 101, false}, {false, 110, 102, true},
                 {false, 110, 100 + kBox - 3, true}, {false, 110, 100 + kBox - 2, false}};
    for (const auto& c : cases) {
        auto box = Box(&screen, c.wide);
        MouseAt(c.x, c.y);
        Frame();
        Click();
        EXPECT_EQ(box->GetChecked(), c.over) << c.x << ", " << c.y << (c.wide ? " wide" : "");
    }
}
