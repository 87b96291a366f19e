#include "CDoodad.h"
#include "IslandSeeds.h"
#include "Utilities.h"
#include "tests/world/CMapGenerationFixture.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// A round playable island rising inward by slope a sample from its waterline.
auto RoundIsland(int radius, int slope)
{
    return [=](int x, int y) {
        const float d = GetDist(x, y, PLAYABLE_SAMPLES / 2, PLAYABLE_SAMPLES / 2);
        return std::clamp(3000 + Round((static_cast<float>(radius) - d) * slope), 0, 10000);
    };
}

uint32_t Pixel(int image, int x, int y)
{
    CDraw* draw = CSprite::draw;
    draw->LockImage(image);
    const uint32_t value = draw->getpixel(image, x, y);
    draw->UnlockImage(image);
    return value;
}

}  // namespace

TEST_F(IslandTest, ThePlayableIslandListsEachTuftOnceSortedByY)
{
    EXPECT_TRUE(PreviewOf(kFixedIslandSeeds[4]).grass.empty()) << "the preview keeps no list";
    Fill(NewMap(), PLAYABLE_SAMPLES, true, RoundIsland(1500, 10), PLAYABLE_BORDER);
    // One tuft on every block corner (20 by 10 samples) at the grass level - 50 or above.
    size_t corners = 0;
    for (int y = 100; y < PLAYABLE_SAMPLES - PLAYABLE_BORDER; y += 10) {
        for (int x = 100; x < PLAYABLE_SAMPLES - PLAYABLE_BORDER; x += 20) {
            corners += map->GetHeight(x, y) >= 4950;
        }
    }
    for (int pass = 0; pass < 2; pass++) {
        map->CreateGrassForIsland();
        EXPECT_EQ(map->grass.size(), corners) << "pass " << pass;
    }
    EXPECT_TRUE(std::is_sorted(map->grass.begin(), map->grass.end(), CMap::SortByYCoordinate));
}

TEST_F(IslandTest, GrassIsPaintedOverTheFeetFromTheFirstImageAsked)
{
    CMap& island = NewMap();
    CDraw* draw = CSprite::draw;
    const int tuft = draw->CreateSizedBlank(4, 10, static_cast<SDL_Surface*>(nullptr));
    draw->ColourFill(tuft, RGBA_data{255, 0, 0, 255}, 0, 0, 4, 10);
    CSprite sprite(0);
    for (int i = 0; i < 3; i++) {
        sprite.LoadImage(draw->CreateSizedBlank(40, 40, static_cast<SDL_Surface*>(nullptr)));
    }
    sprite.Move(100, 100);  // bottom edge at 140
    const uint32_t red = Pixel(tuft, 0, 0);
    // Spans holding the bottom edge: one inside, one reaching in from the left.
    island.grass = {{110, 131, tuft, 4, 10}, {120, 100, tuft, 4, 10}, {97, 135, tuft, 4, 10}};
    island.GetGrassOverSprite(&sprite, 0, 2);
    EXPECT_EQ(Pixel(sprite.GetImage(2), 11, 33), red);
    EXPECT_EQ(Pixel(sprite.GetImage(2), 0, 37), red);
    EXPECT_NE(Pixel(sprite.GetImage(2), 21, 2), red) << "higher up the sprite";
    EXPECT_NE(Pixel(sprite.GetImage(1), 11, 33), red) << "images before the first asked stay bare";
    // By points: a tuft whose centre lies within half its width of one.
    island.grass = {{120, 100, tuft, 4, 10}};
    island.GetGrassOverSprite(&sprite, std::vector<coordinate>{{150, 150}, {123, 105}}, 0);
    EXPECT_EQ(Pixel(sprite.GetImage(0), 21, 2), red);
    draw->RemoveImage(tuft);
}

TEST_F(IslandTest, BeachDecorationLiesOnSandAndComesFromTheSeedAlone)
{
    auto beach = [](CMap& island) {
        std::vector<std::string> found;
        for (CDoodad* doodad : island.doodads) {
            EXPECT_TRUE(island.IsOnlyOnSand(doodad->GetX(), doodad->GetY()));
            found.push_back(std::to_string(doodad->GetX()) + "," + std::to_string(doodad->GetY()) + " " +
                            doodad->GetSpriteName());
        }
        return found;
    };
    // Made right after another island on the same map ...
    CMap& island = PreviewOf(kFixedIslandSeeds[3]);
    island.CreateMap(kFixedIslandSeeds[13], -1, -1, false, true, false);
    const std::vector<std::string> after = beach(island);
    const uint64_t placed = PlacementHash(island);
    ASSERT_GT(after.size(), 20u);
    EXPECT_TRUE(std::any_of(island.trees.begin(), island.trees.end(), [](CTree* t) { return t->IsScenery(); }))
        << "palms";
    // ... it is the island made alone.
    map.reset();
    CObject::UnloadAll();
    CMap& alone = PreviewOf(kFixedIslandSeeds[13]);
    EXPECT_EQ(beach(alone), after);
    EXPECT_EQ(PlacementHash(alone), placed);
}

