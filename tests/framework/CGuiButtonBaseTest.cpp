#include "CGuiButton.h"
#include "CGuiCheckBox.h"
#include "CGuiTestFixture.h"

#include <memory>

namespace {

using Calls = std::vector<std::pair<int, int>>;

class CGuiButtonBaseTest : public WidgetTest {
protected:
    std::unique_ptr<CGuiButton> Button(int x, int y, int id, CController* owner = nullptr)
    {
        return std::make_unique<CGuiButton>(Face(x, y, id, owner ? owner : &screen));
    }
};

}  // namespace

TEST_F(CGuiButtonBaseTest, TheWidgetConstructedFirstTakesTheHoverAndTheClick)
{
    auto first = Button(100, 100, 1);
    auto second = Button(150, 110, 2);
    MouseAt(160, 120);
    Frame();
    EXPECT_EQ(CGuiButtonBase::currentButton, 1);
    EXPECT_FALSE(first->GetButtonRolloverSprite()->Hidden());
    EXPECT_TRUE(second->GetButtonRolloverSprite()->Hidden());
    Click();
    EXPECT_EQ(screen.calls, (Calls{{1, 0}}));
}

TEST_F(CGuiButtonBaseTest, TheWidgetHoveredAtTheReleaseIsClicked)
{
    auto a = Button(100, 100, 1);
    auto b = Button(300, 100, 2);
    const struct {
        int pressX;
        Calls expected;
    } cases[] = {{150, {{2, 0}}}, {20, {{2, 0}}}};  // pressed on A, pressed on nothing
    for (const auto& c : cases) {
        screen.calls.clear();
        MouseAt(c.pressX, 120);
        Frame();
        Left(false);
        MouseAt(350, 120);
        Frame();
        Left(true);
        EXPECT_EQ(screen.calls, c.expected) << "pressed at x " << c.pressX;
    }
    // A release without a press clicks nothing.
    Left(true);
    EXPECT_EQ(screen.calls.size(), 1u);
}

TEST_F(CGuiButtonBaseTest, WidgetsOfAScreenWithoutTheFocusStayInert)
{
    RecordingScreen dialog;
    // The screen below has lost the focus to the dialog; its widgets come
    // first in the list and share the dialog button's id.
    auto box = std::make_unique<CGuiCheckBox>(300, 100, 0, &screen, "personGUI_chkbox0A_base.png", nullptr,
                                              "personGUI_chkbox0B_base.png", nullptr, 0, 0, 0, true, -1);
    auto below = Button(100, 100, 0);
    auto okay = Button(300, 100, 0, &dialog);
    screen.hasFocus = false;
    dialog.hasFocus = true;

    MouseAt(150, 120);  // over the inert button only
    Frame();
    EXPECT_TRUE(below->GetButtonRolloverSprite()->Hidden());
    Click();
    MouseAt(310, 110);  // over the box's wide area and the dialog's button
    Frame();
    Click();
    EXPECT_TRUE(screen.calls.empty());
    EXPECT_FALSE(box->GetChecked());
    EXPECT_EQ(dialog.calls, (Calls{{0, 0}}));
}

TEST_F(CGuiButtonBaseTest, HiddenOrInactiveButtonsAreNeverClickedAndTheDefaultStandsIn)
{
    auto hidden = Button(100, 100, 1);
    auto inactive = Button(300, 100, 2);
    button_data record = Face(500, 100, 3, &screen);
    record.defaultButton = true;
    CGuiButton fallback(record);
    hidden->Hide();
    inactive->SetActive(false);
    for (int x : {150, 350}) {
        MouseAt(x, 120);
        Frame();
        Click();
    }
    EXPECT_FALSE(hidden->IsMouseOver());
    EXPECT_TRUE(screen.calls.empty());
    CGuiButtonBase::ClickActive(true);
    EXPECT_EQ(screen.calls, (Calls{{3, 0}}));
}

TEST_F(CGuiButtonBaseTest, ACallbackMayDeleteAndCreateWidgets)
{
    std::unique_ptr<CGuiButton> clicked = Button(100, 100, 1);
    std::unique_ptr<CGuiButton> later = Button(100, 100, 1);
    std::unique_ptr<CGuiButton> made;
    screen.onCallback = [&](int) {
        clicked.reset();
        later.reset();
        made = Button(100, 100, 1);
    };
    MouseAt(150, 120);
    Frame();
    Click();
    EXPECT_EQ(screen.calls, (Calls{{1, 0}}));
    EXPECT_EQ(CGuiButtonBase::buttons, (std::vector<CGuiButtonBase*>{made.get()}));
}

TEST_F(CGuiButtonBaseTest, KeyboardSteppingVisitsLiveWidgetsInIdOrderAndWraps)
{
    auto hiddenThree = Button(100, 300, 3);
    auto three = Button(100, 100, 3);
    auto five = Button(300, 100, 5);
    hiddenThree->Hide();
    input.absolute = false;  // the pointer's moves land in the pump's own position
    const int forward[] = {3, 5, 3};
    for (int id : forward) {
        CGuiButtonBase::ChangeButton(false);
        EXPECT_EQ(CGuiButtonBase::currentButton, id);
    }
    EXPECT_EQ(input.mouseX, 150) << "the pointer is put over the shown button 3";
    CGuiButtonBase::ChangeButton(true);
    EXPECT_EQ(CGuiButtonBase::currentButton, 5);
    five->Hide();
    three->Hide();
    CGuiButtonBase::ChangeButton(false);
    EXPECT_EQ(CGuiButtonBase::currentButton, -1);
}
