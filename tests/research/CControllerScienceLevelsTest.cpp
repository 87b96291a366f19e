#include "tests/tutorial/ServicesFixture.h"

#include "CControllerScience.h"

#include <climits>

namespace {

using Research = ServicesTest;

constexpr int kSuperGenius = 1 << 21;

void SetLevels(CProfile& profile, int agriculture, int construction, int science, int arts)
{
    profile.SetValue<int>(29, agriculture);
    profile.SetValue<int>(27, construction);
    profile.SetValue<int>(28, science);
    profile.SetValue<int>(26, arts);
}

TEST_F(Research, PointsAddUpAndOnlyGainsCountAsEarned)
{
    profile->SetValue<int>(25, 2000);
    profile->SetValue<int>(58, 9000);
    CControllerScience::AddSciencePoints(-500);
    EXPECT_EQ(CControllerScience::GetSciencePoints(), 1500);
    EXPECT_EQ(profile->GetValue<int>(58), 9000);
    CControllerScience::AddSciencePoints(300);
    EXPECT_EQ(CControllerScience::GetSciencePoints(), 1800);
    EXPECT_EQ(profile->GetValue<int>(58), 9300);

    CControllerScience::AddSciencePoints(INT_MAX);
    EXPECT_EQ(CControllerScience::GetSciencePoints(), INT_MAX) << "no wrap into the negative";
    EXPECT_EQ(profile->GetValue<int>(58), INT_MAX);
}

// The research step comes up once the points buy the next construction level.
TEST_F(Research, PointsAboveTheConstructionCostRaiseTheResearchStep)
{
    CControllerScience::AddSciencePoints(100);
    EXPECT_EQ(CControllerScience::GetSciencePoints(), 100) << "no game screen: only the points";

    StartGame();
    CControllerScience::AddSciencePoints(0);
    EXPECT_EQ(game->pendingTutorial, -1) << "100 is not more than the cost of 100";
    game->pendingTutorial = 76;
    CControllerScience::AddSciencePoints(1);
    EXPECT_EQ(game->pendingTutorial, 76) << "another step is already waiting";
    game->pendingTutorial = -1;
    CControllerScience::AddSciencePoints(0);
    EXPECT_EQ(game->pendingTutorial, 73);

    game->pendingTutorial = -1;
    profile->SetValue<bool>(67, false);
    CControllerScience::AddSciencePoints(1);
    EXPECT_EQ(game->pendingTutorial, -1) << "tutorial off";
    profile->SetValue<bool>(67, true);
    CTutorialDialog::CompleteTutorial(73);
    CControllerScience::AddSciencePoints(1);
    EXPECT_EQ(game->pendingTutorial, -1) << "step done";

    // Fully researched construction costs -1: any points of 0 or more will do.
    CTutorialDialog::UncompleteTutorial(73);
    SetLevels(*profile, 0, 2, 0, 0);
    profile->SetValue<int>(25, -1);
    CControllerScience::AddSciencePoints(1);
    EXPECT_EQ(game->pendingTutorial, 73);
}

TEST_F(Research, RaisingTheLastFieldToTheTopAwardsTheResearchTrophy)
{
    SetLevels(*profile, 2, 1, 2, 2);
    CControllerScience::AddLevelScience();
    EXPECT_EQ(CControllerScience::GetLevelScience(), 2) << "already at the top";
    EXPECT_EQ(CControllerScience::GetUpgradeCost(2), -1);
    EXPECT_FALSE(CControllerTrophies::IsTrophyComplete(kSuperGenius));

    EXPECT_EQ(CControllerScience::GetUpgradeCost(1), 400000);
    CControllerScience::AddLevelConstruction();
    EXPECT_EQ(CControllerScience::GetLevelConstruction(), 2);
    EXPECT_EQ(Queued(), std::vector<int>{kSuperGenius});

    // A field at the top stores nothing, yet the trophy is checked again.
    CControllerTrophies::ResetAllTrophies();
    CControllerScience::AddLevelScience();
    EXPECT_EQ(CControllerScience::GetLevelScience(), 2);
    EXPECT_EQ(Queued(), (std::vector<int>{kSuperGenius, kSuperGenius}));
}

TEST_F(Research, ARaiseAfterTheResearchStepMovesTheTutorialOn)
{
    CTutorialDialog::tutorialCircle = new CTutorialCircle(100, 100, false, 'A');
    CTutorialDialog::CompleteTutorial(73);
    CControllerScience::AddLevelAgriculture();
    EXPECT_EQ(CControllerScience::GetLevelAgriculture(), 1);
    EXPECT_NE(CTutorialDialog::tutorialCircle, nullptr) << "no game screen: no tutorial";
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(74));

    StartGame();
    CTutorialDialog::UncompleteTutorial(73);
    CControllerScience::AddLevelArts();
    EXPECT_NE(CTutorialDialog::tutorialCircle, nullptr) << "step 73 not done: the circle stays";
    EXPECT_FALSE(CTutorialDialog::IsTutorialComplete(74));
    EXPECT_EQ(game->pendingTutorial, -1);

    CTutorialDialog::CompleteTutorial(73);
    CControllerScience::AddLevelAgriculture();
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(74));
    EXPECT_EQ(game->pendingTutorial, 75);
    EXPECT_EQ(CTutorialDialog::tutorialCircle, nullptr);

    game->pendingTutorial = -1;
    CTutorialDialog::CompleteTutorial(75);
    CControllerScience::AddLevelArts();
    EXPECT_EQ(game->pendingTutorial, -1) << "step 75 done";
    EXPECT_EQ(CControllerScience::GetLevelArts(), 2);
    EXPECT_EQ(CControllerScience::GetUpgradeCost(7), -1) << "any other field counts as arts";
}

}  // namespace
