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

// Rows: fish, wood, mushrooms, rock, vegetables, guano, berries, ironwood,
// lodestone; columns: sea, rain and fountain water, each with star-, moon-
// dust and a golden relic.
constexpr int kExpectedPotions[9][9] = {
    {1, 0, 0, 10, 11, 0, 23, 0, 19},   {5, 50, 25, 0, 0, 22, 0, 0, 0},    {3, 37, 40, 38, 39, 41, 42, 43, 20},
    {16, 49, 24, 51, 0, 21, 0, 0, 0},  {9, 0, 44, 0, 18, 28, 46, 0, 45},  {2, 0, 0, 12, 0, 0, 0, 26, 27},
    {8, 33, 29, 34, 15, 32, 35, 36, 31}, {14, 47, 0, 48, 13, 0, 0, 0, 0}, {7, 6, 0, 17, 4, 0, 0, 0, 30},
};

// The mist pair of each mix, the same rows and columns, and the pairs' two
// colours.
constexpr int kExpectedMistPairs[9][9] = {
    {1, 2, 3, 13, 4, 2, 1, 4, 14}, {4, 5, 6, 4, 5, 6, 4, 5, 6},       {5, 6, 5, 14, 6, 5, 14, 8, 5},
    {7, 1, 4, 7, 15, 11, 7, 1, 11}, {5, 8, 9, 5, 8, 7, 5, 8, 2},       {10, 10, 10, 10, 10, 10, 10, 10, 10},
    {5, 8, 11, 5, 8, 9, 5, 8, 9},   {9, 12, 9, 5, 12, 9, 5, 12, 9},    {6, 7, 8, 4, 3, 8, 4, 5, 8},
};
constexpr int kExpectedMists[15][2][3] = {
    {{255, 215, 138}, {146, 108, 0}}, {{255, 175, 92}, {84, 47, 0}},    {{247, 207, 195}, {192, 55, 115}},
    {{198, 233, 251}, {0, 112, 149}}, {{245, 189, 214}, {166, 0, 189}}, {{193, 246, 208}, {0, 149, 78}},
    {{237, 206, 220}, {161, 75, 173}}, {{204, 246, 193}, {0, 149, 7}},  {{238, 196, 237}, {74, 19, 170}},
    {{255, 255, 255}, {45, 81, 106}}, {{194, 214, 255}, {0, 59, 149}},  {{197, 244, 183}, {0, 129, 2}},
    {{246, 255, 117}, {62, 90, 0}},   {{255, 153, 110}, {116, 3, 0}},   {{255, 255, 114}, {98, 92, 0}},
};

TEST(PotionRecipes, EveryMixMakesThePotionOfItsRecipe)
{
    for (int main = 0; main < 9; main++) {
        for (int column = 0; column < 9; column++) {
            EXPECT_EQ(CControllerLab::GetPotionResults(main, column / 3, column % 3), kExpectedPotions[main][column])
                << "main " << main << ", water " << column / 3 << ", dust " << column % 3;
        }
    }
}

TEST_F(Recipes, EveryMixLeavesTheMistOfItsPair)
{
    opener.Open();
    for (int main = 0; main < 9; main++) {
        for (int column = 0; column < 9; column++) {
            SCOPED_TRACE(testing::Message() << "main " << main << ", water " << column / 3 << ", dust " << column % 3);
            Lab().selMain = main;
            Lab().selWater = column / 3;
            Lab().selDust = column % 3;
            Lab().GetMistColour();
            const int (&pair)[2][3] = kExpectedMists[kExpectedMistPairs[main][column] - 1];
            const RGBA_data mists[2] = {Lab().mistColour1, Lab().mistColour2};
            for (int m = 0; m < 2; m++) {
                EXPECT_EQ(mists[m].r, pair[m][0]) << "mist " << m + 1;
                EXPECT_EQ(mists[m].g, pair[m][1]) << "mist " << m + 1;
                EXPECT_EQ(mists[m].b, pair[m][2]) << "mist " << m + 1;
            }
        }
    }
}

// The flask's colour by water, main ingredient (or none) and dust (or none).
constexpr int kExpectedFlasks[3][10][4][3] = {
    {
        {{137, 180, 164}, {131, 187, 131}, {131, 168, 182}, {164, 187, 124}},  // seawater, none
        {{114, 196, 118}, {198, 192, 107}, {113, 170, 191}, {198, 127, 107}},  // seawater, fish
        {{143, 121, 200}, {121, 198, 201}, {207, 120, 162}, {121, 206, 142}},  // seawater, wood
        {{200, 188, 97}, {201, 96, 124}, {96, 201, 104}, {196, 96, 200}},  // seawater, mushrooms
        {{201, 132, 166}, {155, 131, 200}, {201, 179, 130}, {131, 161, 200}},  // seawater, rock
        {{230, 136, 94}, {231, 92, 210}, {158, 219, 96}, {144, 92, 230}},  // seawater, vegetables
        {{186, 206, 205}, {169, 197, 164}, {190, 186, 205}, {207, 208, 188}},  // seawater, guano
        {{228, 114, 95}, {225, 93, 228}, {168, 206, 97}, {121, 93, 228}},  // seawater, berries
        {{144, 113, 80}, {144, 79, 120}, {98, 144, 79}, {117, 79, 143}},  // seawater, ironwood
        {{118, 146, 196}, {117, 198, 156}, {186, 117, 197}, {140, 198, 116}},  // seawater, lodestone
    },
    {
        {{131, 173, 189}, {121, 203, 173}, {121, 130, 198}, {122, 203, 115}},  // rainwater, none
        {{104, 206, 118}, {204, 207, 97}, {103, 165, 201}, {208, 129, 97}},  // rainwater, fish
        {{172, 108, 218}, {109, 179, 219}, {225, 107, 132}, {119, 213, 171}},  // rainwater, wood
        {{186, 206, 86}, {208, 92, 85}, {96, 202, 130}, {208, 90, 173}},  // rainwater, mushrooms
        {{210, 121, 134}, {177, 120, 204}, {211, 208, 115}, {121, 133, 204}},  // rainwater, rock
        {{240, 181, 79}, {241, 82, 160}, {112, 205, 87}, {193, 82, 234}},  // rainwater, vegetables
        {{179, 188, 198}, {184, 216, 192}, {201, 179, 200}, {188, 205, 174}},  // rainwater, guano
        {{241, 128, 74}, {242, 78, 213}, {140, 204, 71}, {140, 78, 236}},  // rainwater, berries
        {{151, 134, 69}, {152, 73, 97}, {75, 151, 68}, {141, 73, 145}},  // rainwater, ironwood
        {{115, 105, 203}, {106, 209, 195}, {211, 105, 174}, {106, 209, 115}},  // rainwater, lodestone
    },
    {
        {{128, 186, 191}, {123, 200, 160}, {123, 143, 195}, {137, 200, 117}},  // fountainwater, none
        {{100, 216, 98}, {219, 202, 91}, {98, 188, 212}, {219, 109, 91}},  // fountainwater, fish
        {{160, 105, 220}, {205, 192, 221}, {228, 104, 142}, {117, 215, 160}},  // fountainwater, wood
        {{209, 194, 82}, {210, 86, 115}, {87, 208, 91}, {204, 86, 203}},  // fountainwater, mushrooms
        {{209, 123, 137}, {175, 122, 203}, {210, 205, 117}, {123, 136, 203}},  // fountainwater, rock
        {{239, 156, 80}, {240, 83, 186}, {140, 225, 90}, {239, 156, 80}},  // fountainwater, vegetables
        {{178, 192, 199}, {194, 216, 193}, {195, 176, 199}, {191, 204, 171}},  // fountainwater, guano
        {{242, 120, 74}, {242, 79, 221}, {167, 223, 91}, {132, 79, 236}},  // fountainwater, berries
        {{153, 121, 67}, {154, 71, 111}, {88, 152, 66}, {128, 71, 147}},  // fountainwater, ironwood
        {{103, 115, 208}, {109, 207, 173}, {215, 100, 200}, {108, 214, 95}},  // fountainwater, lodestone
    },
};

TEST_F(Recipes, EveryChoiceColoursTheFlaskAsItsTableSaysAndNoWaterLeavesItBlack)
{
    opener.Open();
    for (int water = -1; water < 3; water++) {
        for (int main = -1; main < 9; main++) {
            for (int dust = -1; dust < 3; dust++) {
                SCOPED_TRACE(testing::Message() << "water " << water << ", main " << main << ", dust " << dust);
                Lab().selWater = water;
                Lab().selMain = main;
                Lab().selDust = dust;
                const RGBA_data colour = Lab().GetColour();
                const int black[3] = {0, 0, 0};
                const int* want = water < 0 ? black : kExpectedFlasks[water][main + 1][dust + 1];
                EXPECT_EQ(colour.r, want[0]);
                EXPECT_EQ(colour.g, want[1]);
                EXPECT_EQ(colour.b, want[2]);
                EXPECT_EQ(colour.a, 0);
            }
        }
    }
}

// Berries wait on the first mystery and ironwood on the fourth, and nothing
// else; fountain water on the third mystery's first stage.
TEST_F(Recipes, EachMysteryOpensOnlyItsOwnIngredient)
{
    constexpr int kIronwood = 7, kFountainwater = 11, kMysteryProgress = 40;
    constexpr int kUnlimited = potion_recipes::kUnlimited;
    opener.Open();
    for (int mystery = 0; mystery <= 8; mystery++) {
        SCOPED_TRACE(testing::Message() << "mystery " << mystery);
        profile->SetValue<int>(kMysteryProgress, 1 << mystery);
        Lab().RefreshItems(true);
        EXPECT_EQ(Lab().itemCount[kBerries], mystery == 1 ? kUnlimited : 0);
        EXPECT_EQ(Lab().itemCount[kIronwood], mystery == 4 ? kUnlimited : 0);
        EXPECT_EQ(Lab().itemCount[kFountainwater], 0);
    }
    profile->SetValue<int>(kMysteryProgress, 2048);
    Lab().RefreshItems(true);
    EXPECT_EQ(Lab().itemCount[kFountainwater], kUnlimited);
    EXPECT_EQ(Lab().itemCount[kBerries] + Lab().itemCount[kIronwood], 0);
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
