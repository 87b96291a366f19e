#include "CControllerScience.h"
#include "ChildProcess.h"
#include "ServicesFixture.h"

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
    CTutorialDialog::CompleteTutorial(3);
    EXPECT_EQ(CTutorialDialog::activeDialog, dialog);
    EXPECT_EQ(CTutorialDialog::nextTutorial, 4);

    CTutorialDialog::CompleteTutorial(5);
    EXPECT_EQ(CTutorialDialog::activeDialog, nullptr);
    delete dialog;
    EXPECT_EQ(CTutorialDialog::numTutorialsActive, 0) << "hidden, then deleted: counted out once";
}

// The services keep their lasting state in the profile, so switching
// profiles (which saves one and loads the other) switches all three.
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
    EXPECT_EQ(CControllerScience::GetSciencePoints() + CControllerScience::GetLevelArts(), 0);
    CTutorialDialog::CompleteTutorial(0);

    profile->LoadProfileAbsolute(0);
    CTutorialDialog::DetermineNextTutorial();
    EXPECT_EQ(CTutorialDialog::nextTutorial, 10);
    EXPECT_TRUE(CControllerTrophies::IsTrophyComplete(1 << 4));
    EXPECT_EQ(CControllerScience::GetSciencePoints(), 700);
    EXPECT_EQ(CControllerScience::GetLevelArts(), 1);
    profile->LoadProfileAbsolute(1);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(0));
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(1));
}

// Okay ids of 1000 and up and the game screen's chain running one past the
// last step reach these operations: no profile key beyond the tutorial's may
// be made or read.
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
