// From science points to a roofed hut following the pointer: the research
// screen buys construction, the side panel's build button opens the menu,
// the hut item opens the chooser and its second look is placed.
#include "CControllerGameFixture.h"

#include "CBuilding.h"
#include "CControllerBuild.h"
#include "CControllerHutSelect.h"
#include "CControllerScience.h"

namespace {

constexpr int kBuildButton = 3, kResearchButton = 4, kBuyConstruction = 2, kBack = 0;
constexpr int kSmallHuts = 0, kSecondLook = 2;

}  // namespace

TEST_F(GameScreenTest, SciencePointsBuyTheRoofedHutThatTheBuildMenuThenPlaces)
{
    CControllerGame& game = Open();
    CProfile::current->SetValue<bool>(67, false);
    CControllerScience::AddSciencePoints(CControllerScience::GetUpgradeCost(1));

    game.GUICallback(kResearchButton, 0);
    ASSERT_NE(game.scienceScreen, nullptr);
    game.scienceScreen->GUICallback(kBuyConstruction, 0);
    ASSERT_EQ(CControllerScience::GetLevelConstruction(), 1);
    ASSERT_NE(CControllerScience::popUp, nullptr);
    CControllerScience::popUp->GUICallback(0, 0);
    Frame();
    game.scienceScreen->GUICallback(kBack, 0);
    Frame();
    ASSERT_EQ(game.scienceScreen, nullptr);
    ASSERT_EQ(CController::focus, &game);

    game.GUICallback(kBuildButton, 0);
    ASSERT_NE(game.buildMenu, nullptr);
    Frame();
    game.buildMenu->GUICallback(kSmallHuts, 0);
    ASSERT_NE(CControllerBuild::hutSelect, nullptr) << "with construction research a hut asks for its look";
    Frame();
    CControllerBuild::hutSelect->GUICallback(kSecondLook, 0);
    Frame();
    Frame();
    EXPECT_EQ(game.buildMenu, nullptr);
    EXPECT_EQ(CController::focus, &game);
    EXPECT_TRUE(CObject::placingBuilding == 12 || CObject::placingBuilding == 14) << "a roofed small hut follows the pointer, not "
                                                                                  << CObject::placingBuilding;
}
