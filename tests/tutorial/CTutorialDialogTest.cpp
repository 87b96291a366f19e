#include "CGuiButton.h"
#include "CGuiButtonBase.h"
#include "CGuiCheckBox.h"
#include "CSprite.h"
#include "ServicesFixture.h"
#include "TutorialScreen.h"
#include "TutorialSteps.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kNarrationProperty = 66;

class TutorialDialogTest : public ServicesTest {
protected:
    void TearDown() override
    {
        CObject::UnloadAll();
        CGuiButtonBase::currentButton = -1;
        CGuiButtonBase::leftMouseDown = false;
        ServicesTest::TearDown();
    }

    void PointAt(int x, int y)
    {
        input.mouseX = x;
        input.mouseY = y;
    }

    // A press and release where the pointer is, as the screens pass them on.
    static void Click()
    {
        CGuiButtonBase::PumpAll();
        CGuiButtonBase::LeftMouseClick(false, false);
        CGuiButtonBase::LeftMouseClick(true, false);
    }

    // The dialog's pump seeing the left button go down and up over a label.
    void PressOn(CTutorialDialog& dialog, CSprite* label)
    {
        PointAt(label->GetX() + label->GetW() / 2, label->GetY() + label->GetH() / 2);
        input.leftDown = true;
        dialog.Pump(0, 0, 1);
        input.leftDown = false;
        dialog.Pump(0, 0, 1);
    }

    static bool OwnsAWidget(CController* screen)
    {
        return std::any_of(CGuiButtonBase::buttons.begin(), CGuiButtonBase::buttons.end(),
                           [&](CGuiButtonBase* widget) { return widget->owner == screen; });
    }
};

// Off the game screen a step that the game completes has room below its
// texts; a step with an okay button does not, and neither do the game
// screen's dialogs, whose labels take that room.
TEST_F(TutorialDialogTest, TextsDropOnlyWithoutAButtonOrTheGameScreensExtras)
{
    TutorialScreen plain, game(true);
    for (int step : {0, 1, 105}) {
        SCOPED_TRACE(step);
        CTutorialDialog onPlain(step, &plain);
        CTutorialDialog onGame(step, &game);
        const step_text_data& first = kTutorialSteps[step].texts[0];
        CSprite* text = onPlain.textSprites[0];
        const int drop = text->GetY() + text->GetH() / 2 - first.centreY;
        EXPECT_EQ(drop, kTutorialSteps[step].buttons == kOkay ? 0 : 5);
        EXPECT_EQ(onPlain.narrationCheckBox, nullptr);
        EXPECT_EQ(onPlain.narrationLabel, nullptr);
        if (step == 105) {
            EXPECT_EQ(onGame.textSprites[0]->GetY(), text->GetY()) << "no extras for the answers";
            EXPECT_EQ(onGame.narrationCheckBox, nullptr);
            ASSERT_TRUE(onGame.okayButton && onGame.secondButton);
            EXPECT_EQ(onGame.okayButton->id, 1105);
            EXPECT_EQ(onGame.secondButton->id, 1106);
            continue;
        }
        EXPECT_EQ(onGame.textSprites[0]->GetY() + onGame.textSprites[0]->GetH() / 2, first.centreY);
        ASSERT_NE(onGame.narrationCheckBox, nullptr);
        EXPECT_TRUE(onGame.narrationLabel && onGame.endLabel);
    }
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 0);
}

TEST_F(TutorialDialogTest, HidingTwiceCountsOutOnceAndOnlyStepsSixAndSevenStandLow)
{
    TutorialScreen screen;
    for (int step : {0, 6, 7, 36, 57, 105}) {
        auto dialog = std::make_unique<CTutorialDialog>(step, &screen);
        EXPECT_EQ(CTutorialDialog::AtTop(), step != 6 && step != 7) << step;
    }
    auto first = std::make_unique<CTutorialDialog>(3, &screen);
    auto second = std::make_unique<CTutorialDialog>(4, &screen);
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 2);
    second->Hide();
    second->Hide();
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 1);
    EXPECT_EQ(CTutorialDialog::activeDialog, nullptr) << "the older dialog stays shown but not active";
    EXPECT_FALSE(CTutorialDialog::AtTop());
    second.reset();
    first.reset();
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 0);
}

// Narration is switched on and off from the label on the game screen; only
// switching it off touches the narration playing.
TEST_F(TutorialDialogTest, TheNarrationLabelFlipsNarrationUntilTheDialogIsHidden)
{
    TutorialScreen game(true);
    CTutorialDialog dialog(2, &game);
    ASSERT_TRUE(profile->GetValue<bool>(kNarrationProperty));
    PressOn(dialog, dialog.narrationLabel);
    EXPECT_FALSE(profile->GetValue<bool>(kNarrationProperty));
    EXPECT_FALSE(dialog.narrationCheckBox->GetChecked());
    PressOn(dialog, dialog.narrationLabel);
    EXPECT_TRUE(profile->GetValue<bool>(kNarrationProperty));
    EXPECT_TRUE(dialog.narrationCheckBox->GetChecked());

    PressOn(dialog, dialog.endLabel);
    EXPECT_EQ(game.endRequests, 1);

    dialog.Hide();
    PressOn(dialog, dialog.narrationLabel);
    PressOn(dialog, dialog.endLabel);
    EXPECT_TRUE(profile->GetValue<bool>(kNarrationProperty)) << "a hidden dialog ignores its labels";
    EXPECT_EQ(game.endRequests, 1);
}

// The okay button completes its step, which hides the dialog, which deletes
// that very button inside its own click.
TEST_F(TutorialDialogTest, TheOkayButtonClosesItsDialogAndLeavesNoWidgetBehind)
{
    auto game = std::make_unique<TutorialScreen>(true);
    CTutorialDialog* dialog = new CTutorialDialog(0, game.get());
    CGuiButton* okay = dialog->okayButton;
    PointAt(okay->x + okay->GetW() / 2, okay->y + okay->GetH() / 2);
    Click();
    ASSERT_EQ(game->calls.size(), 1u);
    EXPECT_EQ(game->calls[0].id, 1000);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(0));
    EXPECT_EQ(CTutorialDialog::activeDialog, nullptr);
    EXPECT_TRUE(dialog->boxSprite->Hidden());
    EXPECT_FALSE(OwnsAWidget(game.get())) << "neither the button nor the check box stays";

    // The screen goes first, the hidden dialog with the rest of the world.
    game.reset();
    Click();
    CObject::UnloadAll();
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 0);
}

// A screen that leaves a dialog open when it goes must hide or delete it:
// the widget list keeps nothing that calls the freed screen back.
TEST_F(TutorialDialogTest, AScreenThatHidesItsDialogsLeavesNoWidgetCallingItBack)
{
    auto screen = std::make_unique<TutorialScreen>(true);
    CTutorialDialog* hidden = new CTutorialDialog(105, screen.get());
    CTutorialDialog* deleted = new CTutorialDialog(3, screen.get());
    EXPECT_TRUE(OwnsAWidget(screen.get()));
    hidden->Hide();
    delete deleted;
    EXPECT_FALSE(OwnsAWidget(screen.get()));
    screen.reset();
    PointAt(400, 550);
    Click();
}

// Only steps of the table have a row; any other number shows nothing.
TEST_F(TutorialDialogTest, ADialogForAStepOutsideTheTableShowsNothing)
{
    TutorialScreen screen(true);
    const size_t widgets = CGuiButtonBase::buttons.size();
    for (int step : {-1, 107, 1005}) {
        CTutorialDialog dialog(step, &screen);
        EXPECT_EQ(CTutorialDialog::activeDialog, nullptr);
        EXPECT_EQ(CTutorialDialog::numTutorialsActive, 0);
        EXPECT_EQ(dialog.boxSprite, nullptr);
        EXPECT_EQ(CGuiButtonBase::buttons.size(), widgets);
        EXPECT_FALSE(CTutorialDialog::AtTop());
        EXPECT_FALSE(CTutorialDialog::IsMouseOver());
        dialog.Pump(0, 0, 1);
        dialog.Hide();
    }
}

}  // namespace
