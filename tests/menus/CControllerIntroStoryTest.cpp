#include "CControllerMainRoad.h"

#include "CControllerPopUp.h"
#include "CGuiButton.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTutorialDialog.h"

namespace {

class IntroStoryTest : public ScreenRoadTest {
protected:
    CControllerIntroStory* Open()
    {
        story = root.Open<CControllerIntroStory>();
        return story;
    }

    // The skip button, then the answer to its question.
    void Skip(bool yes)
    {
        ClickAt(740, 561);
        ASSERT_NE(CControllerIntroStory::popUp, nullptr);
        ASSERT_EQ(CController::focus, CControllerIntroStory::popUp);
        EXPECT_EQ(CControllerIntroStory::popUp->request.id, 12306) << "asks whether to skip the story";
        Turn(5);
        if (yes) {
            CControllerIntroStory::popUp->GUICallback(0, 0);
        } else {
            Key(SDLK_ESCAPE);
        }
        Turn();
        ASSERT_EQ(CController::focus, story);
        ASSERT_EQ(CControllerIntroStory::popUp, nullptr);
    }

    int CaptionsShown(int first, int last)
    {
        int shown = 0;
        for (int i = first; i <= last; i++) {
            shown += !story->captions[i]->Hidden();
        }
        return shown;
    }

    CControllerIntroStory* story = nullptr;
};

TEST_F(IntroStoryTest, AClickBeforeThePanelsEndShowsItsCaptionsAndPromptAndTheNextMovesOn)
{
    Open();
    Turn(10);
    EXPECT_EQ(CaptionsShown(0, 4), 0);
    EXPECT_TRUE(story->prompt->Hidden());
    ClickAt(100, 100);
    Turn();
    EXPECT_EQ(CaptionsShown(0, 4), 5) << "every caption of the first panel";
    EXPECT_FALSE(story->prompt->Hidden());
    EXPECT_EQ(story->panel, 0);

    ClickAt(100, 100);
    EXPECT_EQ(story->panel, 1);
    EXPECT_FALSE(story->panels[1]->Hidden());
    EXPECT_TRUE(story->panels[0]->Hidden());
    EXPECT_EQ(CaptionsShown(0, 17), 0);
    EXPECT_TRUE(story->prompt->Hidden());

    // Keys do nothing here, Escape included.
    Key(SDLK_ESCAPE);
    Turn();
    EXPECT_EQ(CController::focus, story);
}

TEST_F(IntroStoryTest, ADeclinedSkipKeepsThePanelAndItsFrameWithTheNarrationSilenced)
{
    CProfile::current->SetValue<bool>(66, true);
    Open();
    Turn(30);
    ClickAt(100, 100);  // the whole first panel
    ClickAt(100, 100);  // on to the second
    Turn(20);
    const int frame = story->frameCounter;
    Skip(false);
    EXPECT_EQ(story->panel, 1);
    EXPECT_EQ(story->frameCounter, frame + 1) << "the hover turn before the click; none while it asked";
    EXPECT_EQ(story->closingQuestion, nullptr);
    EXPECT_FALSE(story->skipButton->Hidden());
    for (CSound* voice : story->narration) {
        EXPECT_EQ(voice->GetFramesToDelay(), 0);
    }
}

// Either answer starts every tutorial step afresh; only the second turns the
// tutorial on. The chooser follows through the main menu.
TEST_F(IntroStoryTest, TheClosingAnswersSetTheTutorialSwitchAndClearEveryStep)
{
    for (int answer : {1105, 1106}) {
        for (int step = 0; step < CTutorialDialog::kSteps; step += 7) {
            CProfile::current->SetValue<bool>(1000 + step, true);
        }
        CProfile::current->SetValue<bool>(67, answer == 1105);
        Open();
        Turn(3);
        Skip(true);
        ASSERT_NE(story->closingQuestion, nullptr);
        EXPECT_EQ(CTutorialDialog::activeDialog, story->closingQuestion);
        EXPECT_TRUE(story->skipButton->Hidden());
        const int frame = story->frameCounter;
        ClickAt(100, 100);
        Turn(3);
        EXPECT_EQ(story->frameCounter, frame) << "clicks beside the answers change nothing";
        EXPECT_EQ(CController::focus, story);

        const int handBacks = root.handBacks;
        ClickAt(answer == 1105 ? 340 : 520, 552);
        Turn();
        ASSERT_EQ(root.handBacks, handBacks + 1) << answer;
        EXPECT_EQ(CProfile::current->GetValue<bool>(67), answer == 1106);
        for (int step = 0; step < CTutorialDialog::kSteps; step++) {
            ASSERT_FALSE(CProfile::current->GetValue<bool>(1000 + step)) << answer << " step " << step;
        }
        EXPECT_EQ(CTutorialDialog::activeDialog, nullptr);
        EXPECT_NE(CControllerIntroStory::sndWaves, nullptr) << "the sea plays on into the chooser";
    }
}

// The pointer waits in the top right corner through the last panel; the
// click that goes on to the closing question comes with a move to the middle
// in the same turn, so the question opens before the pointer's pictures have
// followed the mouse. Under the question, and after the pointer moves again,
// the screen holds nothing that drawing it anew would not draw.
TEST_F(IntroStoryTest, TheClosingQuestionLeavesNoPointerPictureWhereThePointerWaited)
{
    CMouseCursor pointer;
    const auto turn = [&](int count) {
        for (int i = 0; i < count; i++) {
            CController::PumpFocus();
            pointer.Pump();
            resources.Renderer().Render(true);
        }
    };
    Open();
    PointAt(790, 10);
    for (int panel = 0; panel < 4; panel++) {
        SCOPED_TRACE(panel);
        turn(3);
        Button(SDL_BUTTON_LEFT);  // to the panel's end
        // The cross-fade from the panel before runs on the clock alone.
        while (story->lastFrame->Fading()) {
            resources.Renderer().Render(true);
        }
        turn(45);  // every caption faded in
        ASSERT_EQ(story->panel, panel);
        ASSERT_FALSE(story->prompt->Hidden()) << "the prompt to click on";
        if (panel < 3) {
            Button(SDL_BUTTON_LEFT);
            turn(1);
        }
    }
    PointAt(400, 300);
    Button(SDL_BUTTON_LEFT);
    turn(2);
    ASSERT_NE(story->closingQuestion, nullptr);
    PointAt(300, 200);
    turn(2);
    ASSERT_FALSE(CMouseCursor::sCursor->Hidden());
    ASSERT_TRUE(CMouseCursor::sHourglass->Hidden());

    const rgb_picture shown = PictureOf(SDL_GetVideoSurface());
    resources.Renderer().AddSpecialDirty(0, 0, 800, 600, true);
    turn(1);
    EXPECT_EQ(shown.CountDifferences(PictureOf(SDL_GetVideoSurface())), 0)
        << "pixels that no sprite draws any longer, left by the pointer or the hourglass";
}

}  // namespace
