#include "CControllerLabFixture.h"

#include <set>

namespace {

using Recipes = LabTest;

TEST(PotionRecipes, EachPotionHasExactlyOneRecipeAndOtherNumbersMakeNothing)
{
    std::multiset<int> made;
    for (int main = -1; main <= 9; main++) {
        for (int water = -1; water <= 3; water++) {
            for (int dust = -1; dust <= 3; dust++) {
                const int potion = CControllerLab::GetPotionResults(main, water, dust);
                const bool inside = main >= 0 && main < 9 && water >= 0 && water < 3 && dust >= 0 && dust < 3;
                EXPECT_TRUE(inside || potion == 0) << main << " " << water << " " << dust;
                if (potion) {
                    made.insert(potion);
                }
            }
        }
    }
    EXPECT_EQ(made.size(), 51u);
    EXPECT_EQ(std::set<int>(made.begin(), made.end()).size(), 51u);
    EXPECT_EQ(*made.rbegin(), 51);
}

void Mix(CControllerLab& lab, std::initializer_list<int> ingredients)
{
    for (int ingredient : ingredients) {
        lab.GUICallback(CControllerLab::kFirstIngredientButton + ingredient, 0);
    }
    lab.GUICallback(CControllerLab::kMix, 0);
}

// A potion keeps its dust; a brew the recipes do not know burns its main
// ingredient and its dust, never the water.
TEST_F(Recipes, APotionKeepsItsDustAndAFailedBrewUsesItUp)
{
    CResources* stock = CControllerGame::Resources();
    stock->wood = 3;
    stock->stardust = 2;
    island = std::make_unique<CMap>(false);
    island->raining = true;
    profile->SetValue<int>(28, 1);
    opener.Open();

    Mix(Lab(), {kWood, kRainwater, kStardust});
    EXPECT_EQ(PopUpShown(), 12212);
    EXPECT_EQ(stock->wood, 2);
    EXPECT_EQ(stock->stardust, 1);
    EXPECT_EQ(profile->GetValue<int>(63), 1) << "the burnt dust counts as spent";
    EXPECT_EQ(Lab().selMain + Lab().selWater + Lab().selDust, -3) << "nothing stays chosen";
    EXPECT_EQ(Lab().itemCount[kWood], 2) << "recounted after the mix";

    Mix(Lab(), {kWood, kSeawater, kStardust});
    Frame();
    EXPECT_EQ(opener.lab, nullptr) << "a potion closes the lab";
    EXPECT_EQ(opener.potion, 5);
    EXPECT_EQ(stock->wood, 1);
    EXPECT_EQ(stock->stardust, 1);
}

TEST_F(Recipes, FindsAndVegetablesAreCountedAndTakenFromWhereTheyCameFrom)
{
    CResources* stock = CControllerGame::Resources();
    stock->food[3] = 1;
    profile->SetValue<int>(41, 1);  // guano
    profile->SetValue<int>(42, 2);  // mushrooms
    profile->SetValue<int>(45, 1);  // golden relics
    profile->SetValue<int>(28, 2);
    opener.Open();
    EXPECT_EQ(Lab().itemCount[kVegetables], 1);
    EXPECT_EQ(Lab().itemCount[kSeawater], potion_recipes::kUnlimited);
    EXPECT_EQ(Lab().itemCount[kBerries], 0) << "no mystery solved";
    Mix(Lab(), {kVegetables, kSeawater, kGoldenRelic});
    Frame();
    EXPECT_EQ(opener.potion, 44);
    EXPECT_EQ(stock->food[3], 0) << "the one vegetable came from kind 3";
    EXPECT_EQ(profile->GetValue<int>(45), 1) << "a potion keeps its relic";

    opener.Open();
    EXPECT_EQ(Lab().itemCount[kVegetables], 0);
    Mix(Lab(), {kMushrooms, kSeawater, kGoldenRelic});
    Frame();
    EXPECT_EQ(opener.potion, 40);
    EXPECT_EQ(profile->GetValue<int>(42), 1);

    // Guano's mist is pair 10.
    opener.Open();
    Mix(Lab(), {kGuano, kSeawater, kGoldenRelic});
    EXPECT_EQ(PopUpShown(), 12212);
    EXPECT_EQ(Lab().mistColour1.g, 255);
    EXPECT_EQ(Lab().mistColour2.b, 106);
    EXPECT_EQ(profile->GetValue<int>(41), 0);
    EXPECT_EQ(profile->GetValue<int>(45), 0);
}

// Supply comes first: an ingredient the island lacks is refused by sound
// alone; only then does research decide.
TEST_F(Recipes, ResearchGatesWatersAndDustsAfterTheSupply)
{
    CResources* stock = CControllerGame::Resources();
    opener.Open();
    for (int ingredient : {kMoondust, kRainwater}) {
        Lab().GUICallback(kFirstButton + ingredient, 0);
        EXPECT_TRUE(Refused());
        EXPECT_EQ(PopUpShown(), 0);
    }
    Lab().InputKey(true, SDLK_ESCAPE);
    Frame();
    EXPECT_EQ(opener.potion, 0) << "Escape carries nothing back";

    // The supplies are read as the lab opens.
    stock->moondust = 4;
    island = std::make_unique<CMap>(false);
    island->raining = true;
    opener.Open();
    const struct {
        int ingredient, science, popUp;
    } cases[] = {{kRainwater, 0, 12207}, {kMoondust, 0, 12209}, {kRainwater, 1, 0}, {kMoondust, 1, 0}};
    for (const auto& c : cases) {
        profile->SetValue<int>(28, c.science);
        Lab().GUICallback(kFirstButton + c.ingredient, 0);
        EXPECT_FALSE(Refused());
        EXPECT_EQ(PopUpShown(), c.popUp) << c.ingredient << " at science " << c.science;
        EXPECT_EQ(c.ingredient == kRainwater ? Lab().selWater : Lab().selDust, c.popUp ? -1 : 1);
    }
    Lab().GUICallback(CControllerLab::kMix, 0);
    EXPECT_EQ(PopUpShown(), 12211) << "no main ingredient";
    EXPECT_EQ(stock->moondust, 4) << "an incomplete mix uses nothing";
}

}  // namespace
