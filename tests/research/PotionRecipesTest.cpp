#include "CControllerLabFixture.h"

#include <set>

namespace {

using Recipes = LabTest;

constexpr int kFirstButton = CControllerLab::kFirstIngredientButton;

bool Same(RGBA_data a, RGBA_data b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

TEST(PotionRecipes, EachPotionHasExactlyOneRecipeAndOtherNumbersMakeNothing)
{
    std::multiset<int> made;
    for (int main = -1; main <= 9; main++) {
        for (int water = -1; water <= 3; water++) {
            for (int dust = -1; dust <= 3; dust++) {
                const int potion = CControllerLab::GetPotionResults(main, water, dust);
                const bool inside = main >= 0 && main < 9 && water >= 0 && water < 3 && dust >= 0 && dust < 3;
                if (!inside) {
                    EXPECT_EQ(potion, 0) << main << " " << water << " " << dust;
                } else if (potion) {
                    made.insert(potion);
                }
            }
        }
    }
    EXPECT_EQ(made.size(), 51u);
    EXPECT_EQ(std::set<int>(made.begin(), made.end()).size(), 51u);
    EXPECT_EQ(*made.begin(), 1);
    EXPECT_EQ(*made.rbegin(), 51);
}

// The tutorial's recipe keeps its dust; a brew the recipes do not know
// burns its main ingredient and its dust, never the water.
TEST_F(Recipes, APotionKeepsItsDustAndAFailedBrewUsesItUp)
{
    CResources* stock = CControllerGame::Resources();
    stock->wood = 3;
    stock->stardust = 2;
    Rain();
    profile->SetValue<int>(28, 1);
    opener.Open();
    Frame();

    for (int ingredient : {kWood, kRainwater, kStardust}) {
        Lab().GUICallback(kFirstButton + ingredient, 0);
    }
    Lab().GUICallback(CControllerLab::kMix, 0);
    EXPECT_EQ(PopUpShown(), 12212);
    EXPECT_EQ(stock->wood, 2);
    EXPECT_EQ(stock->stardust, 1);
    EXPECT_EQ(profile->GetValue<int>(63), 1) << "the burnt dust counts as spent";
    EXPECT_EQ(Lab().selMain + Lab().selWater + Lab().selDust, -3) << "nothing stays chosen";
    EXPECT_EQ(Lab().itemCount[kWood], 2) << "recounted after the mix";

    for (int ingredient : {kWood, kSeawater, kStardust}) {
        Lab().GUICallback(kFirstButton + ingredient, 0);
    }
    Lab().GUICallback(CControllerLab::kMix, 0);
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
    profile->SetValue<int>(42, 2);  // mushrooms
    profile->SetValue<int>(45, 1);  // golden relics
    profile->SetValue<int>(28, 2);
    opener.Open();
    EXPECT_EQ(Lab().itemCount[kVegetables], 1);
    EXPECT_EQ(Lab().itemCount[kMushrooms], 2);
    EXPECT_EQ(Lab().itemCount[kSeawater], potion_recipes::kUnlimited);
    EXPECT_EQ(Lab().itemCount[kBerries], 0) << "no mystery solved";

    // The one vegetable comes from kind 3.
    for (int ingredient : {kVegetables, kSeawater, kGoldenRelic}) {
        Lab().GUICallback(kFirstButton + ingredient, 0);
    }
    Lab().GUICallback(CControllerLab::kMix, 0);
    Frame();
    EXPECT_EQ(opener.potion, 44);
    EXPECT_EQ(stock->food[3], 0);
    EXPECT_EQ(profile->GetValue<int>(45), 1) << "a potion keeps its relic";

    opener.Open();
    EXPECT_EQ(Lab().itemCount[kVegetables], 0);
    for (int ingredient : {kMushrooms, kSeawater, kGoldenRelic}) {
        Lab().GUICallback(kFirstButton + ingredient, 0);
    }
    Lab().GUICallback(CControllerLab::kMix, 0);
    Frame();
    EXPECT_EQ(opener.potion, 40);
    EXPECT_EQ(profile->GetValue<int>(42), 1);
}

// Supply comes first: an ingredient the island lacks is refused by sound
// alone; only then does research decide.
TEST_F(Recipes, ResearchGatesWatersAndDustsAfterTheSupply)
{
    CResources* stock = CControllerGame::Resources();
    opener.Open();
    Lab().GUICallback(kFirstButton + kMoondust, 0);
    EXPECT_TRUE(Refused());
    EXPECT_EQ(PopUpShown(), 0);
    Lab().GUICallback(kFirstButton + kRainwater, 0);
    EXPECT_TRUE(Refused()) << "it does not rain";
    EXPECT_EQ(PopUpShown(), 0);
    Lab().InputKey(true, SDLK_ESCAPE);
    Frame();
    EXPECT_EQ(opener.potion, 0) << "Escape carries nothing back";

    // The supplies are read as the lab opens.
    stock->moondust = 4;
    Rain();
    opener.Open();
    const struct {
        int ingredient, science, popUp;
    } cases[] = {
        {kRainwater, 0, 12207}, {kMoondust, 0, 12209}, {kRainwater, 1, 0}, {kMoondust, 1, 0},
    };
    for (const auto& c : cases) {
        profile->SetValue<int>(28, c.science);
        Lab().GUICallback(kFirstButton + c.ingredient, 0);
        EXPECT_FALSE(Refused());
        EXPECT_EQ(PopUpShown(), c.popUp) << c.ingredient << " at science " << c.science;
        const int chosen = c.ingredient == kRainwater ? Lab().selWater : Lab().selDust;
        EXPECT_EQ(chosen, c.popUp ? -1 : 1);
    }
    Lab().GUICallback(CControllerLab::kMix, 0);
    EXPECT_EQ(PopUpShown(), 12211) << "no main ingredient";
    EXPECT_EQ(stock->moondust, 4) << "an incomplete mix uses nothing";
}

TEST_F(Recipes, TheFlaskAndTheMistTakeTheColoursOfTheChoice)
{
    CResources* stock = CControllerGame::Resources();
    stock->stardust = 1;
    profile->SetValue<int>(41, 1);
    opener.Open();
    EXPECT_TRUE(Same(Lab().GetColour(), RGBA_data{0, 0, 0, 0}));
    Lab().GUICallback(kFirstButton + kGuano, 0);
    EXPECT_TRUE(Same(Lab().GetColour(), RGBA_data{0, 0, 0, 0})) << "no water, no colour";
    Lab().GUICallback(CControllerLab::kStartOver, 0);
    Lab().GUICallback(kFirstButton + kSeawater, 0);
    EXPECT_TRUE(Same(Lab().GetColour(), RGBA_data{137, 180, 164, 0}));

    // Guano's mist is pair 10 whatever the water and dust.
    for (int water = 0; water < 3; water++) {
        for (int dust = 0; dust < 3; dust++) {
            Lab().selMain = kGuano;
            Lab().selWater = water;
            Lab().selDust = dust;
            Lab().GetMistColour();
            EXPECT_TRUE(Same(Lab().mistColour1, RGBA_data{255, 255, 255, 0}));
            EXPECT_TRUE(Same(Lab().mistColour2, RGBA_data{45, 81, 106, 0}));
        }
    }
    Lab().selWater = 0;
    Lab().selDust = 0;
    Frame();
    Lab().GUICallback(CControllerLab::kMix, 0);
    Frame();
    EXPECT_EQ(opener.potion, 2);
    EXPECT_TRUE(Same(opener.flask, RGBA_data{169, 197, 164, 0}));
    EXPECT_TRUE(Same(opener.mist2, RGBA_data{45, 81, 106, 0}));
    EXPECT_EQ(profile->GetValue<int>(41), 0);
}

}  // namespace
