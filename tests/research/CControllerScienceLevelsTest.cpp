#include "tests/tutorial/ServicesFixture.h"

#include "CControllerScience.h"

#include <climits>

namespace {

using Research = ServicesTest;

constexpr int kSuperGenius = 1 << 21;

void SetLevels(CProfile& profile, int agriculture, int construction, int science, int arts)
{
    for (auto [property, level] : {std::pair{29, agriculture}, {27, construction}, {28, science}, {26, arts}}) {
        profile.SetValue<int>(property, level);
    }
}

// Each field's price for its next level, at every level a field can hold
// and past the ends; a field number outside the four is priced as arts.
TEST_F(Research, EachFieldsNextLevelCostsItsOwnPrice)
{
    constexpr int kCosts[4][2] = {{2000, 5000}, {100, 400000}, {20000, 50000}, {500, 200000}};
    for (int level : {-1, 0, 1, 2, 3}) {
        SetLevels(*profile, level, level, level, level);
        for (int field = 0; field < 4; field++) {
            const int price = level == 0 || level == 1 ? kCosts[field][level] : -1;
            EXPECT_EQ(CControllerScience::GetUpgradeCost(field), price) << "field " << field << " at level " << level;
        }
    }
    SetLevels(*profile, 0, 0, 0, 1);
    EXPECT_EQ(CControllerScience::GetUpgradeCost(4), 200000);
    EXPECT_EQ(CControllerScience::GetUpgradeCost(-1), 200000);
}

TEST_F(Research, PointsAddUpAndOnlyGainsCountAsEarned)
{
    profile->SetValue<int>(25, 2000);
    CControllerScience::AddSciencePoints(-500);
    EXPECT_EQ(CControllerScience::GetSciencePoints(), 1500);
    EXPECT_EQ(profile->GetValue<int>(58), 0);
    CControllerScience::AddSciencePoints(300);
    EXPECT_EQ(CControllerScience::GetSciencePoints(), 1800);
    EXPECT_EQ(profile->GetValue<int>(58), 300);
    CControllerScience::AddSciencePoints(INT_MAX);
    EXPECT_EQ(CControllerScience::GetSciencePoints(), INT_MAX) << "no wrap into the negative";
}

// The research step comes up once the points buy the next construction level.
TEST_F(Research, PointsAboveTheConstructionCostRaiseTheResearchStep)
{
    CControllerScience::AddSciencePoints(100);
    EXPECT_EQ(CControllerScience::GetSciencePoints(), 100) << "no game screen yet: only the points";

    game = std::make_unique<CControllerGame>(false, false);
    CControllerScience::AddSciencePoints(0);
    EXPECT_EQ(game->pendingTutorial, -1) << "100 is not more than the cost of 100";
    game->pendingTutorial = 76;
    CControllerScience::AddSciencePoints(1);
    EXPECT_EQ(game->pendingTutorial, 76) << "another step is already waiting";
    game->pendingTutorial = -1;
    CControllerScience::AddSciencePoints(0);
    EXPECT_EQ(game->pendingTutorial, 73);

    game->pendingTutorial = -1;
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
    EXPECT_TRUE(Queued().empty());

    CControllerScience::AddLevelConstruction();
    EXPECT_EQ(CControllerScience::GetUpgradeCost(1), -1);
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
    EXPECT_NE(CTutorialDialog::tutorialCircle, nullptr) << "no game screen yet: no tutorial";

    game = std::make_unique<CControllerGame>(false, false);
    CTutorialDialog::UncompleteTutorial(73);
    CControllerScience::AddLevelArts();
    EXPECT_NE(CTutorialDialog::tutorialCircle, nullptr) << "step 73 not done";
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
}

}  // namespace
