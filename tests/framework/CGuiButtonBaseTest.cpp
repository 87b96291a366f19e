#include "CGuiCheckBox.h"
#include "CGuiTestFixture.h"

using Buttons = std::vector<std::unique_ptr<CGuiButton>>;

class CGuiButtonBaseTest : public WidgetTest {
protected:
    // Buttons at x 100, 300, 500... in construction order.
    Buttons Make(const std::vector<int>& ids, CController* owner = nullptr)
    {
        Buttons made;
        for (int id : ids) {
            const int x = 100 + 200 * static_cast<int>(made.size());
            made.push_back(std::make_unique<CGuiButton>(Face(x, 100, id, owner ? owner : &screen)));
        }
        return made;
    }

    void PressAndRelease(int pressX, int releaseX)
    {
        MouseAt(pressX, 130);
        Frame();
        Left(false);
        MouseAt(releaseX, 130);
        Frame();
        Left(true);
    }
};

TEST_F(CGuiButtonBaseTest, TheWidgetHoveredAtTheReleaseTakesTheClickAndTheFirstConstructedWins)
{
    Buttons buttons = Make({1, 2});
    CGuiButton overlapping(Face(320, 110, 3, &screen));
    const struct {
        int pressX, releaseX;
        Calls expected;
    } cases[] = {{150, 350, {{2, 0}}}, {20, 150, {{1, 0}}}, {350, 350, {{2, 0}}}, {150, 20, {}}, {20, 105, {}}};  // the last on a transparent column
    for (const auto& c : cases) {
        screen.calls.clear();
        PressAndRelease(c.pressX, c.releaseX);
        EXPECT_EQ(screen.calls, c.expected) << c.pressX << " to " << c.releaseX;
    }
    EXPECT_TRUE(overlapping.GetButtonRolloverSprite()->Hidden());

    // The pointer's move and the release in one frame, before any pump sees
    // the move: the click follows the pointer.
    const struct {
        int releaseX;
        Calls expected;
    } sameFrame[] = {{350, {{2, 0}}}, {20, {}}};
    for (const auto& c : sameFrame) {
        screen.calls.clear();
        MouseAt(150, 130);
        Frame();
        Left(false);
        MouseAt(c.releaseX, 130);
        Left(true);
        EXPECT_EQ(screen.calls, c.expected) << "moved to " << c.releaseX << " as it was let go";
    }
}

TEST_F(CGuiButtonBaseTest, HiddenInactiveAndUnfocusedWidgetsStayInert)
{
    RecordingScreen dialog;
    // A box of the screen below, first in the list, sharing the id of the
    // dialog's button under the pointer.
    CGuiCheckBox box(500, 120, 0, &screen, "personGUI_chkbox0A_base.png", nullptr, "personGUI_chkbox0B_base.png",
                     nullptr, 0, 0, 0, true, -1);
    Buttons below = Make({1, 2, 3});
    Buttons above = Make({4, 5, 0}, &dialog);
    above[0]->Hide();
    above[1]->SetActive(false);
    screen.hasFocus = false;
    dialog.hasFocus = true;
    for (int x : {150, 350, 550}) {
        PressAndRelease(x, x);
        for (CGuiButton* inert : {below[0].get(), below[1].get(), below[2].get(), above[0].get(), above[1].get()}) {
            EXPECT_TRUE(inert->GetButtonRolloverSprite()->Hidden()) << "at x " << x;
        }
    }
    EXPECT_TRUE(screen.calls.empty());
    EXPECT_FALSE(box.GetChecked());
    EXPECT_EQ(dialog.calls, (Calls{{0, 0}}));
}

TEST_F(CGuiButtonBaseTest, ACallbackMayDeleteAndCreateWidgets)
{
    Buttons buttons = Make({1, 1});
    std::unique_ptr<CGuiButton> made;
    screen.onCallback = [&] {
        buttons.clear();
        made = std::make_unique<CGuiButton>(Face(100, 100, 1, &screen));
    };
    PressAndRelease(150, 150);
    EXPECT_EQ(screen.calls, (Calls{{1, 0}}));
    EXPECT_EQ(CGuiButtonBase::buttons, (std::vector<CGuiButtonBase*>{made.get()}));
}

TEST_F(CGuiButtonBaseTest, KeyboardSteppingVisitsLiveWidgetsInIdOrderAndWraps)
{
    Buttons buttons = Make({3, 3, 5});
    input.absolute = false;  // the pointer's moves land in the pump's own position
    for (int id : {3, 5, 3}) {
        CGuiButtonBase::ChangeButton(false);
        EXPECT_EQ(CGuiButtonBase::currentButton, id);
    }
    EXPECT_EQ(input.mouseX, 150) << "the first button listed with the id takes the pointer";
    CGuiButtonBase::ChangeButton(true);
    EXPECT_EQ(CGuiButtonBase::currentButton, 5);

    // The first listed widget of an id decides: hidden, it keeps the shown
    // one after it out of reach, and the step goes on to the next id.
    buttons[0]->Hide();
    for (bool backwards : {false, true, false}) {
        CGuiButtonBase::ChangeButton(backwards);
        EXPECT_EQ(CGuiButtonBase::currentButton, 5);
    }
    EXPECT_EQ(input.mouseX, 550);
    buttons[2]->Hide();
    CGuiButtonBase::ChangeButton(false);
    EXPECT_EQ(CGuiButtonBase::currentButton, 5) << "no id reachable: the step ends where it stands";
    EXPECT_EQ(input.mouseX, 550);
    buttons[1]->Hide();
    CGuiButtonBase::ChangeButton(false);
    EXPECT_EQ(CGuiButtonBase::currentButton, -1);
}
