// The lab's fifteen ingredients read whole: each shows the count of its own
// supply and a mix takes from that supply alone; each water and dust opens at
// its own science level and not one level before.
#include "CControllerLabFixture.h"

#include "PotionRecipes.h"

#include <array>
#include <initializer_list>

namespace {

using Supplies = LabTest;
using potion_recipes::kIngredients;
using potion_recipes::kUnlimited;

constexpr int kIronwood = 7, kLodestone = 8, kFountainwater = 11;
constexpr int kMysteryProgress = 40, kGuanoFound = 41, kMushroomsFound = 42, kLodestonesFound = 44,
              kRelicsFound = 45, kScienceLevel = 28;

void Mix(CControllerLab& lab, std::initializer_list<int> ingredients)
{
    for (int ingredient : ingredients) {
        lab.GUICallback(CControllerLab::kFirstIngredientButton + ingredient, 0);
    }
    lab.GUICallback(CControllerLab::kMix, 0);
}

}  // namespace

TEST_F(Supplies, EveryIngredientCountsItsOwnSupplyAndAPotionSpendsOnlyItsMainIngredient)
{
    CResources* stock = CControllerGame::Resources();
    stock->food[0] = 3;
    stock->wood = 4;
    profile->SetValue<int>(kMushroomsFound, 5);
    stock->rock = 6;
    stock->food[1] = stock->food[2] = stock->food[3] = 1;
    profile->SetValue<int>(kGuanoFound, 7);
    profile->SetValue<int>(kLodestonesFound, 8);
    profile->SetValue<int>(kRelicsFound, 9);
    stock->stardust = 10;
    stock->moondust = 11;
    // Berries and ironwood by their mysteries, fountain water by the spring's first stage.
    profile->SetValue<int>(kMysteryProgress, 1 << 1 | 1 << 4 | 2048);
    island = std::make_unique<CMap>(false);
    island->raining = true;

    std::array<int, kIngredients> expected = {3, 4, 5, 6, 3, 7, kUnlimited, kUnlimited, 8,
                                              kUnlimited, kUnlimited, kUnlimited, 10, 11, 9};
    auto expectCounts = [&](const char* when) {
        for (int i = 0; i < kIngredients; i++) {
            EXPECT_EQ(Lab().itemCount[i], expected[i]) << potion_recipes::kIngredientTable[i].name << " " << when;
        }
    };
    opener.Open();
    expectCounts("as the lab opens");

    // Every main ingredient with sea water and stardust makes a potion, which
    // keeps its dust: the main ingredient's own supply alone goes down.
    const int mains[] = {kFish, kWood, kMushrooms, kRock, kVegetables, kGuano, kBerries, kIronwood, kLodestone};
    for (int main : mains) {
        SCOPED_TRACE(potion_recipes::kIngredientTable[main].name);
        Mix(Lab(), {main, kSeawater, kStardust});
        Frame();
        ASSERT_EQ(opener.lab, nullptr) << "a potion closes the lab";
        EXPECT_EQ(opener.potion, potion_recipes::kRecipes[main][0]);
        if (expected[main] != kUnlimited) {
            expected[main]--;
        }
        opener.Open();
        expectCounts("after the mix");
    }
}

// Vegetables are taken from kind 1 while it holds one, then from kind 2,
// then from kind 3: a kind that holds exactly one still gives it.
TEST_F(Supplies, VegetablesAreTakenFromTheFirstKindThatHoldsOne)
{
    CResources* stock = CControllerGame::Resources();
    stock->food[1] = stock->food[2] = stock->food[3] = 1;
    stock->stardust = 1;
    const std::array<int, 3> left[] = {{0, 1, 1}, {0, 0, 1}, {0, 0, 0}};
    for (const auto& kinds : left) {
        opener.Open();
        Mix(Lab(), {kVegetables, kSeawater, kStardust});
        EXPECT_EQ(PopUpShown(), 0);
        Frame();
        EXPECT_EQ((std::array<int, 3>{stock->food[1], stock->food[2], stock->food[3]}), kinds);
    }
}

TEST_F(Supplies, EachWaterAndDustOpensAtItsOwnScienceLevelAndNotOneBefore)
{
    CResources* stock = CControllerGame::Resources();
    stock->stardust = stock->moondust = 1;
    profile->SetValue<int>(kRelicsFound, 1);
    profile->SetValue<int>(kMysteryProgress, 2048);
    island = std::make_unique<CMap>(false);
    island->raining = true;
    opener.Open();

    const struct {
        int ingredient, level, refusal;
    } gates[] = {{kSeawater, 0, 0},           {kRainwater, 1, 12207}, {kFountainwater, 2, 12208},
                 {kStardust, 0, 0},           {kMoondust, 1, 12209},  {kGoldenRelic, 2, 12210}};
    for (int level = 0; level <= 2; level++) {
        profile->SetValue<int>(kScienceLevel, level);
        for (const auto& gate : gates) {
            SCOPED_TRACE(testing::Message() << potion_recipes::kIngredientTable[gate.ingredient].name
                                            << " at science level " << level);
            Lab().GUICallback(kFirstButton + gate.ingredient, 0);
            const bool open = level >= gate.level;
            EXPECT_EQ(PopUpShown(), open ? 0 : gate.refusal);
            const bool water = gate.ingredient < kStardust;
            const int number = gate.ingredient - (water ? kSeawater : kStardust);
            EXPECT_EQ(water ? Lab().selWater : Lab().selDust, open ? number : -1);
            EXPECT_FALSE(Refused()) << "the supply is there";
        }
    }
}
