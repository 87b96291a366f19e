// The stock at the ends of its ranges: a pile is full from exactly its
// capacity on, and amounts or running totals pushed past what an int holds
// stop at the top instead of wrapping round to a negative number.
#include "CProfile.h"
#include "CResources.h"
#include "tests/game/StockFixture.h"

#include <climits>

namespace {

constexpr int kWoodStoredKey = 55, kStardustSpentKey = 63, kMoondustSpentKey = 64;

}  // namespace

TEST_F(StockTest, EachPileIsFullFromExactlyAHundredWithoutAStorehouse)
{
    CResources* stock = Stock();
    for (int amount : {99, 100}) {
        SCOPED_TRACE(amount);
        stock->wood = amount;
        stock->rock = amount;
        stock->RemoveAllFood();
        stock->SetFood(amount, 2);
        const bool full = amount == 100;
        EXPECT_EQ(stock->IsResourceMaxed(0), full) << "wood";
        EXPECT_EQ(stock->IsResourceMaxed(1), full) << "rock";
        EXPECT_EQ(stock->IsResourceMaxed(6), full) << "food";
    }
}

TEST_F(StockTest, AmountsAndTotalsPastTheIntRangeStopAtTheTop)
{
    CResources* stock = Stock();
    stock->stardust = 5;
    stock->moondust = 5;
    stock->AddStardust(INT_MAX);
    stock->AddMoondust(INT_MAX);
    EXPECT_EQ(stock->GetStardust(), 999);
    EXPECT_EQ(stock->GetMoondust(), 999);

    CProfile::current->SetValue<int>(kWoodStoredKey, INT_MAX - 5);
    stock->wood = 0;
    stock->AddWood(20);
    EXPECT_EQ(stock->GetWood(), 20);
    EXPECT_EQ(CProfile::current->GetValue<int>(kWoodStoredKey), INT_MAX);

    CProfile::current->SetValue<int>(kStardustSpentKey, INT_MAX - 1);
    CProfile::current->SetValue<int>(kMoondustSpentKey, INT_MAX);
    stock->RemoveStardust(10);
    stock->RemoveMoondust(1);
    EXPECT_EQ(CProfile::current->GetValue<int>(kStardustSpentKey), INT_MAX);
    EXPECT_EQ(CProfile::current->GetValue<int>(kMoondustSpentKey), INT_MAX);
}
