#include "CDraw.h"
#include "CPerson.h"
#include "CSprite.h"
#include "FishPalettes.h"
#include "IslandSeeds.h"
#include "SeaLifeFixture.h"
#include "Utilities.h"
#include "tests/islanders/IslanderRecords.h"

#include <memory>
#include <vector>

namespace {

constexpr int kDeepWater = 1;

std::vector<int> Clumps()
{
    std::vector<int> values;
    for (const fish_clump& clump : CFish::fishClump) {
        values.insert(values.end(), {clump.x, clump.y, clump.size});
    }
    return values;
}

// The pixel at (x, y) of an image, as r, g, b.
std::vector<int> PixelOf(int id, int x, int y)
{
    SDL_Surface* surface = CSprite::draw->GetSurface(id);
    Uint8 r, g, b, a;
    SDL_LockSurface(surface);
    const Uint32 pixel = static_cast<Uint32*>(surface->pixels)[y * surface->pitch / 4 + x];
    SDL_UnlockSurface(surface);
    SDL_GetRGBA(pixel, surface->format, &r, &g, &b, &a);
    return {r, g, b};
}

std::vector<int> Rgb(RGBA_data colour)
{
    return {colour.r, colour.g, colour.b};
}

}  // namespace

TEST_F(SeaLifeTest, EachIslandKeepsItsClumpsInDeepWaterApartFromEachOther)
{
    struct golden {
        int index;
        std::vector<int> clumps;  // x, y and size of each
    };
    const golden goldens[] = {
        {0, {1814, 1594, 100, 1875, 987, 45, 1375, 221, 15}},
    };
    for (const golden& g : goldens) {
        const unsigned int seed = kFixedIslandSeeds[g.index];
        SCOPED_TRACE(seed);
        CMap& island = PreviewOf(seed);
        EXPECT_EQ(Clumps(), g.clumps);
        for (const fish_clump& clump : CFish::fishClump) {
            ASSERT_NE(clump.fish, nullptr);
            EXPECT_TRUE(island.TileContainsTerrain_coords(clump.x + 96, clump.y + 96, kDeepWater, true));
        }
        CFish::InitFish(seed);
        EXPECT_EQ(Clumps(), g.clumps) << "the same seed, the same clumps";
    }
}

TEST_F(SeaLifeTest, AnIslandWithoutDeepWaterHasNoFishAndSaysSo)
{
    TiledIsland([](int, int) { return 16u; }, 4000);
    CFish::InitFish(5);
    for (const fish_clump& clump : CFish::fishClump) {
        EXPECT_EQ(clump.size, 0);
        EXPECT_EQ(clump.fish, nullptr);
    }
    EXPECT_EQ(CFish::GetSizeOfNearestClump(0, 0), -1) << "a clump left out holds nothing to fish";
    CFish::DecreaseSizeOfNearestClump(0, 0);
    EXPECT_EQ(CFish::fishClump[0].size, 0);
    EXPECT_NE(Log().find("A fish clump found no deep water"), std::string::npos);
}

TEST_F(SeaLifeTest, FishingTakesFromTheFullestNearbyClumpDownToTwo)
{
    CFish::fishClump[0] = fish_clump{1000, 1000, 30, nullptr};
    CFish::fishClump[1] = fish_clump{1300, 1000, 30, nullptr};
    CFish::fishClump[2] = fish_clump{3000, 3000, 100, nullptr};

    EXPECT_EQ(CFish::GetSizeOfNearestClump(1000, 1400), 30) << "400 px away still counts";
    EXPECT_EQ(CFish::GetSizeOfNearestClump(1000, 1401), -1);
    CFish::DecreaseSizeOfNearestClump(1000, 1401);
    CFish::DecreaseSizeOfNearestClump(1150, 1000);
    EXPECT_EQ(Clumps(), std::vector<int>({1000, 1000, 29, 1300, 1000, 30, 3000, 3000, 100}))
        << "equal sizes: the lower index loses the fish";
    CFish::DecreaseSizeOfNearestClump(1150, 1000);
    EXPECT_EQ(CFish::fishClump[1].size, 29) << "then the fuller one";

    for (int i = 0; i < 100; i++) {
        CFish::DecreaseSizeOfNearestClump(1000, 1000);
    }
    EXPECT_EQ(CFish::fishClump[0].size, 2);
    EXPECT_EQ(CFish::fishClump[1].size, 2);
    EXPECT_EQ(CFish::GetSizeOfNearestClump(1150, 1000), 2);
}

TEST_F(SeaLifeTest, ALargeBandLeavesTheClumpsPoorer)
{
    CFish::fishClump[0] = fish_clump{500, 500, 100, nullptr};
    CFish* fish = new CFish(500, 500, 0);
    CFish::fishClump[0].fish = fish;
    CFish::BreedAllFish();
    EXPECT_EQ(CFish::fishClump[0].size, 100) << "nothing breeds before the fish is made";

    fish->Pump(0, 0, 1);
    std::vector<std::unique_ptr<CPerson>> band;
    const int caps[][2] = {{14, 100}, {15, 40}, {29, 40}, {30, 10}};
    for (const auto& cap : caps) {
        while (static_cast<int>(band.size()) < cap[0]) {
            band.push_back(std::make_unique<CPerson>(IslanderRecord(0, 0, 0)));
        }
        CFish::BreedAllFish();
        EXPECT_EQ(CFish::fishClump[0].size, cap[1]) << cap[0] << " islanders";
    }
}

TEST_F(SeaLifeTest, AFishJumpsMoreOftenTheFullerItsClump)
{
    CFish::fishClump[0] = fish_clump{500, 500, 10, nullptr};
    CFish fish(500, 500, 0);
    EXPECT_EQ(fish.GetSequenceDuration(), 0) << "no jumps before its pictures exist";
    InitRandom(3);
    std::vector<int> jumps;
    for (int frame = 0; frame < 2000; frame++) {
        if (fish.jumpCounter == 0) {
            jumps.push_back(frame);
        }
        fish.Pump(0, 0, 1);
    }
    EXPECT_EQ(jumps, std::vector<int>({0, 901, 1802})) << "a clump under 20 jumps every 900 frames";
    CFish::fishClump[0].size = 50;
    EXPECT_LE(fish.GetSequenceDuration(), 130);
}

TEST_F(SeaLifeTest, AJumpShowsTheFishItsRippleAndItsSplashInTurn)
{
    CFish::fishClump[0] = fish_clump{500, 500, 100, nullptr};
    CFish fish(500, 500, 0);
    fish.UnHide();
    fish.Pump(10, 20, 1);
    CSprite* jumper = fish.jumpSprite;
    EXPECT_FALSE(jumper->Hidden());
    EXPECT_FALSE(fish.ripple->Hidden());
    EXPECT_TRUE(fish.splash->Hidden());
    EXPECT_EQ(jumper->GetX(), 510 + fish.jumpOffsetX);
    EXPECT_EQ(jumper->GetY(), 520 + fish.jumpOffsetY);
    const bool right = jumper == fish.fishARight || jumper == fish.fishBRight;
    EXPECT_EQ(fish.ripple->GetX(), jumper->GetX() + (right ? -46 : 58));

    for (int frame = 1; frame <= 18; frame++) {
        Frame();
        fish.Pump(10, 20, 1);
    }
    EXPECT_FALSE(fish.splash->Hidden()) << "it falls back at frame 18";
    EXPECT_TRUE(fish.ripple->Hidden());
    for (int frame = 19; frame < 40; frame++) {
        Frame();
        fish.Pump(10, 20, 1);
    }
    EXPECT_TRUE(jumper->Hidden());
    EXPECT_TRUE(fish.splash->Hidden());
}

TEST_F(SeaLifeTest, EachFishIsPaintedInItsOwnPaletteAndTheSharedPicturesStayGrey)
{
    // The colour layer in its three greys, the outline clear where it lies over them.
    CDraw* draw = CSprite::draw;
    const int layer = draw->LoadImage("fishA_R_0c.png", false, false);
    const int outline = draw->LoadImage("fishA_R_0l.png", false, false);
    const RGBA_data greys[3] = {{85, 85, 85, 255}, {170, 170, 170, 255}, {255, 255, 255, 255}};
    for (int i = 0; i < 3; i++) {
        draw->ColourFill(layer, greys[i], 10 * i, 0, 10, 10);
    }
    SDL_Rect clear{0, 0, 30, 10};
    SDL_FillRect(draw->GetSurface(outline), &clear, 0);

    CFish::fishClump[0] = fish_clump{500, 500, 100, nullptr};
    InitRandom(11);
    const bool first = RangedRandom(0, 1) != 0;
    const fish_palette& palette =
        first ? kFishPalettesFirst[RangedRandom(0, 5)] : kFishPalettesSecond[RangedRandom(0, 14)];
    InitRandom(11);
    CFish fish(500, 500, 0);
    fish.Pump(0, 0, 1);
    const int painted = fish.fishARight->GetImage(0);
    EXPECT_EQ(PixelOf(painted, 5, 5), Rgb(palette.dark));
    EXPECT_EQ(PixelOf(painted, 15, 5), Rgb(palette.light));
    EXPECT_EQ(PixelOf(painted, 25, 5), Rgb(palette.white));
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(PixelOf(layer, 10 * i + 5, 5), Rgb(greys[i])) << "the archive's picture is untouched";
    }
    draw->RemoveImage(layer);
    draw->RemoveImage(outline);
}

// Every palette of both tables: the colours for grey 85, grey 170 and white,
// all opaque.
TEST(FishPalettes, EachPaletteOfBothTablesHoldsItsThreeColours)
{
    const int first[6][9] = {
        {253, 118, 57, 255, 186, 83, 250, 189, 128},  {246, 181, 205, 237, 152, 191, 162, 104, 130},
        {251, 116, 50, 238, 207, 71, 102, 70, 54},    {105, 205, 53, 141, 217, 101, 68, 133, 35},
        {55, 223, 170, 103, 231, 190, 44, 153, 120},  {175, 152, 255, 194, 177, 255, 121, 95, 207}};
    const int second[15][9] = {
        {121, 142, 225, 188, 200, 241, 188, 200, 241}, {158, 177, 249, 182, 198, 255, 74, 89, 143},
        {148, 243, 156, 129, 234, 134, 119, 217, 124}, {249, 202, 82, 255, 154, 83, 250, 153, 128},
        {240, 227, 240, 185, 175, 185, 175, 164, 173}, {233, 202, 215, 207, 180, 191, 107, 93, 99},
        {73, 172, 255, 27, 226, 113, 16, 194, 92},     {73, 172, 255, 73, 172, 255, 40, 93, 138},
        {45, 204, 170, 73, 172, 255, 59, 122, 148},    {255, 146, 80, 255, 101, 56, 71, 48, 81},
        {204, 113, 186, 218, 162, 227, 139, 50, 122},  {55, 208, 223, 103, 220, 231, 44, 142, 153},
        {122, 138, 255, 154, 167, 255, 114, 125, 217}, {255, 152, 191, 255, 177, 207, 255, 117, 168},
        {240, 143, 194, 240, 167, 206, 176, 81, 130}};
    auto check = [](const fish_palette& got, const int (&want)[9], const char* table, int index) {
        const RGBA_data colours[3] = {got.dark, got.light, got.white};
        for (int c = 0; c < 3; c++) {
            EXPECT_EQ(Rgb(colours[c]), (std::vector<int>{want[3 * c], want[3 * c + 1], want[3 * c + 2]}))
                << table << " palette " << index << " colour " << c;
            EXPECT_EQ(colours[c].a, 255);
        }
    };
    for (int i = 0; i < 6; i++) {
        check(kFishPalettesFirst[i], first[i], "first", i);
    }
    for (int i = 0; i < 15; i++) {
        check(kFishPalettesSecond[i], second[i], "second", i);
    }
}

TEST_F(SeaLifeTest, TheFishOfAnIslandShareTheArchivePicturesUntilTheLastOneGoes)
{
    CFish::fishClump[0] = fish_clump{500, 500, 100, nullptr};
    CFish::fishClump[1] = fish_clump{1500, 500, 100, nullptr};
    auto first = std::make_unique<CFish>(500, 500, 0);
    auto second = std::make_unique<CFish>(1500, 500, 1);
    first->Pump(0, 0, 1);
    second->Pump(0, 0, 1);
    const int shared = CSprite::draw->LoadImage("fishB_L_8l.png", false, false);
    CSprite::draw->RemoveImage(shared);
    first.reset();
    EXPECT_NE(CSprite::draw->GetSurface(shared), nullptr) << "still held for the second fish";
    EXPECT_NE(CSprite::draw->GetSurface(second->fishBLeft->GetImage(8)), nullptr);
    second.reset();
    EXPECT_EQ(CSprite::draw->GetSurface(shared), nullptr);
}

TEST_F(SeaLifeTest, EachWaitIsDrawnForTheClumpAsItIsWhenTheFishJumps)
{
    CFish::fishClump[0] = fish_clump{500, 500, 100, nullptr};
    CFish fish(500, 500, 0);
    fish.Pump(0, 0, 1);
    struct wait {
        int size;
        int low, high;  // the range drawn from; one value is fixed
    };
    for (const wait& w : {wait{19, 900, 900}, wait{20, 130, 180}, wait{49, 130, 180}, wait{50, 80, 130}}) {
        CFish::fishClump[0].size = w.size;
        InitRandom(21);
        const int drawn = RangedRandom(w.low, w.high);
        InitRandom(21);
        EXPECT_EQ(fish.GetSequenceDuration(), drawn) << w.size << " fish";
    }

    // Fished out after its second jump: the wait that follows is the empty
    // clump's, not the one the full clump drew at first.
    CFish::fishClump[0].size = 100;
    CFish jumper(500, 500, 0);
    InitRandom(3);
    std::vector<int> jumps;
    for (int frame = 0; frame < 1400 && jumps.size() < 4; frame++) {
        if (jumper.jumpCounter == 0) {
            jumps.push_back(frame);
            if (jumps.size() == 2) {
                CFish::fishClump[0].size = 10;
            }
        }
        jumper.Pump(0, 0, 1);
    }
    ASSERT_EQ(jumps.size(), 4u);
    EXPECT_LE(jumps[1] - jumps[0], 131);
    EXPECT_LE(jumps[2] - jumps[1], 131) << "drawn before the clump was fished";
    EXPECT_EQ(jumps[3] - jumps[2], 901);
}
