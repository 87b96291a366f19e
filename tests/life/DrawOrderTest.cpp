// The order in which birds and containers draw their random numbers: a bird
// its call timer, then its facing; a container without a spot its spot across,
// then down; a container whether it is a crate, then its tier, then its find.
// Each expectation replays the same seed through those draws one by one, so
// that a draw taken for another, or one skipped, shows as a different bird or
// find.
#include "CBird.h"
#include "CControllerGame.h"
#include "CCrateBarrel.h"
#include "CResources.h"
#include "SeaLifeFixture.h"
#include "TerrainTiles.h"
#include "Utilities.h"

namespace {

constexpr int kCratesOpened = 37;

// A container's contents as its draws give them, on a stock with room for all.
struct find_data {
    int tier, result;
};

// replaced: a 24600 drawn was replaced by the one-in-three after it.
find_data ExpectedFind(bool& replaced)
{
    replaced = false;
    const int r = RangedRandom(0, 99);
    if (r < 50) {
        int result = RangedRandom(24180, 24187);
        if (RangedRandom(0, 7) == 0) {
            result = 24600;
        }
        if (RangedRandom(0, 2) == 0) {
            replaced = result == 24600;
            result = RangedRandom(24700, 24707);
        }
        return {0, result};
    }
    if (r < 85) {
        if (RangedRandom(0, 3) == 0) {
            return {1, RangedRandom(24200, 24205)};
        }
        int result = RangedRandom(24183, 24189);
        if (RangedRandom(0, 2) == 0) {
            result = RangedRandom(24800, 24807);
        }
        return {1, result};
    }
    if (RangedRandom(0, 1) != 0) {
        int result = RangedRandom(24190, 24199);
        if (RangedRandom(0, 2) == 0) {
            result = RangedRandom(24900, 24923);
        }
        return {2, result};
    }
    return {2, RangedRandom(24201, 24206)};
}

}  // namespace

TEST_F(SeaLifeTest, ABirdDrawsItsCallTimerBeforeItsDirection)
{
    int facingLeft = 0;
    for (unsigned int seed = 1; seed <= 8; seed++) {
        InitRandom(seed);
        const int timer = RangedRandom(600, 1200);
        const bool left = RangedRandom(0, 1) == 0;
        InitRandom(seed);
        CBird bird;
        EXPECT_EQ(bird.callTimer, timer) << "seed " << seed;
        EXPECT_EQ(bird.facesLeft, left) << "seed " << seed;
        facingLeft += left;
    }
    EXPECT_GT(facingLeft, 0);
    EXPECT_LT(facingLeft, 8) << "both directions are seen";
}

TEST_F(SeaLifeTest, AContainersSpotIsDrawnAcrossThenDown)
{
    TiledIsland([](int, int) { return TILE_DEEP | TILE_HOLDS_DEEP; }, 1000);
    for (unsigned int seed = 1; seed <= 4; seed++) {
        InitRandom(seed);
        const int x = RangedRandom(96, 3713);
        const int y = RangedRandom(96, 3713);
        InitRandom(seed);
        CCrateBarrel* container = new CCrateBarrel(-1, -1, false, false);
        EXPECT_EQ(container->GetX(), x + 50) << "seed " << seed;
        EXPECT_EQ(container->GetY(), y + 60) << "seed " << seed;
        delete container;
    }
}

// Every tier's chain, among them an everyday 24600 that the one-in-three
// after it still replaces.
TEST_F(SeaLifeTest, AContainerDrawsItsKindThenItsTierThenItsFindInTheirOrder)
{
    profile.SetValue<int>(kCratesOpened, 5);  // past the fixed first containers
    CResources* stock = CControllerGame::Resources();
    ASSERT_FALSE(stock->IsResourceMaxed(0) || stock->IsResourceMaxed(1) || stock->IsResourceMaxed(6));
    int overturned = 0, tiers[3] = {};
    for (unsigned int seed = 1; seed <= 150; seed++) {
        InitRandom(seed);
        const bool crate = RangedRandom(0, 1) != 0;
        bool replaced = false;
        const find_data expected = ExpectedFind(replaced);
        InitRandom(seed);
        CCrateBarrel* container = new CCrateBarrel(500, 500, false, false);
        EXPECT_EQ(container->crate, crate) << "seed " << seed;
        EXPECT_EQ(container->tier, expected.tier) << "seed " << seed;
        EXPECT_EQ(container->result, expected.result) << "seed " << seed;
        tiers[expected.tier]++;
        overturned += replaced;
        delete container;
    }
    EXPECT_GT(tiers[0] * tiers[1] * tiers[2], 0);
    EXPECT_GT(overturned, 0);
}
