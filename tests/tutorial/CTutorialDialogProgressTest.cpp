#include "ChildProcess.h"
#include "ServicesFixture.h"

#include "CControllerScience.h"

namespace {

using TutorialProgress = ServicesTest;

TEST_F(TutorialProgress, TheWoodStepWaitsForWoodAndHoldsBackEveryLaterStep)
{
    CompleteSteps(0, 17);
    SetWood(0);
    CTutorialDialog::DetermineNextTutorial();
    EXPECT_EQ(CTutorialDialog::nextTutorial, -1) << "steps 19 and on are undone too";
    SetWood(1);
    CTutorialDialog::DetermineNextTutorial();
    EXPECT_EQ(CTutorialDialog::nextTutorial, 18);

    SetWood(0);
    CTutorialDialog::CompleteTutorial(18);
    EXPECT_EQ(CTutorialDialog::nextTutorial, 19) << "past step 18 the stock does not matter";

    CompleteSteps(19, 106);
    EXPECT_EQ(CTutorialDialog::nextTutorial, -1);
    CTutorialDialog::UncompleteTutorial(40);
    EXPECT_EQ(CTutorialDialog::nextTutorial, -1) << "stale until recomputed";
    CTutorialDialog::DetermineNextTutorial();
    EXPECT_EQ(CTutorialDialog::nextTutorial, 40);
}

TEST_F(TutorialProgress, CompletingAStepClosesOnlyTheDialogShowingIt)
{
    CompleteSteps(0, 2);
    CTutorialDialog* dialog = new CTutorialDialog(5, nullptr);
    ASSERT_EQ(CTutorialDialog::activeDialog, dialog);

    CTutorialDialog::CompleteTutorial(3);
    EXPECT_EQ(CTutorialDialog::activeDialog, dialog);
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 1);
    EXPECT_EQ(CTutorialDialog::nextTutorial, 4);

    CTutorialDialog::CompleteTutorial(5);
    EXPECT_EQ(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 0);
    EXPECT_EQ(CTutorialDialog::nextTutorial, 4);
    delete dialog;
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 0) << "a hidden dialog is counted out once";

    // A second dialog replaces the first as the active one; completing its
    // step again, already done, still closes it.
    CTutorialDialog first(6, nullptr), second(3, nullptr);
    CTutorialDialog::CompleteTutorial(3);
    EXPECT_EQ(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 1) << "the first is still open";
}

TEST_F(TutorialProgress, DoneStepsOutliveSavingAndLoadingTheProfile)
{
    CompleteSteps(0, 30);
    CTutorialDialog::UncompleteTutorial(12);
    Reopen();
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(30));
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(31));
    CTutorialDialog::DetermineNextTutorial();
    EXPECT_EQ(CTutorialDialog::nextTutorial, 12);
}

// Every service keeps its lasting state in the profile, so a switch of
// profile switches tutorial, trophies and research together.
TEST_F(TutorialProgress, EachProfileKeepsItsOwnProgressTrophiesAndResearch)
{
    CompleteSteps(0, 9);
    CControllerTrophies::CompleteTrophy(1 << 4);
    CControllerScience::AddSciencePoints(700);
    CControllerScience::AddLevelArts();

    profile->AddProfile("SECOND");
    CTutorialDialog::DetermineNextTutorial();
    EXPECT_EQ(CTutorialDialog::nextTutorial, 0);
    EXPECT_EQ(CControllerTrophies::NumTrophiesUnlocked(), 0);
    EXPECT_EQ(CControllerScience::GetSciencePoints(), 0);
    EXPECT_EQ(CControllerScience::GetLevelArts(), 0);
    CTutorialDialog::CompleteTutorial(0);
    CControllerTrophies::CompleteTrophy(1 << 9);

    profile->LoadProfileAbsolute(0);
    CTutorialDialog::DetermineNextTutorial();
    EXPECT_EQ(CTutorialDialog::nextTutorial, 10);
    EXPECT_TRUE(CControllerTrophies::IsTrophyComplete(1 << 4));
    EXPECT_FALSE(CControllerTrophies::IsTrophyComplete(1 << 9));
    EXPECT_EQ(CControllerScience::GetSciencePoints(), 700);
    EXPECT_EQ(CControllerScience::GetLevelArts(), 1);

    profile->LoadProfileAbsolute(1);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(0));
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(1));
    EXPECT_TRUE(CControllerTrophies::IsTrophyComplete(1 << 9));
}

// Okay ids of 1000 and up and the game screen's chain running one past the
// last step reach these operations; they must neither create profile keys
// beyond the tutorial's nor read them.
TEST_F(TutorialProgress, StepsOutsideTheTutorialAreIgnored)
{
    const ChildResult child = RunInChild([&] {
        for (int step : {-1, 107, 1005}) {
            CTutorialDialog::CompleteTutorial(step);
            CTutorialDialog::UncompleteTutorial(step);
            if (CTutorialDialog::IsTutorialComplete(step)) {
                exit(2);
            }
        }
        // Each key is still free for a value of another type.
        for (int key : {999, 1107, 2005}) {
            profile->SetValue<int>(key, 0);
        }
    });
    EXPECT_EQ(child.exitCode, 0) << child.output;
}

}  // namespace
