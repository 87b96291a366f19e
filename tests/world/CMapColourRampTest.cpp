// The built-in colour ramp from height to ground colour, held band by band
// (each band's top height and colour, and how many entries the ramp holds)
// rather than against a picture the painter once drew: grass from 5000 up,
// sand to 3000, foam and turquoise at the waterline, then the blues, the
// upper ones squeezed on the preview.
#include "IslandSeeds.h"
#include "tests/world/CMapGenerationFixture.h"

#include <SDL.h>

namespace {

struct rgb {
    int r, g, b;
    bool operator==(const rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

std::ostream& operator<<(std::ostream& out, const rgb& c)
{
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

constexpr rgb kGrass = {100, 175, 50};

rgb Entry(const CMap& island, int key)
{
    const auto entry = island.colourRamp.find(key);
    if (entry == island.colourRamp.end()) {
        return {-1, -1, -1};
    }
    return {entry->second.r, entry->second.g, entry->second.b};
}

// A height's colour: the entry with the smallest key at or above it, the
// last entry above them all.
rgb ColourOf(const CMap& island, int height)
{
    auto entry = island.colourRamp.lower_bound(height);
    if (entry == island.colourRamp.end()) {
        entry = std::prev(island.colourRamp.end());
    }
    return {entry->second.r, entry->second.g, entry->second.b};
}

}  // namespace

TEST_F(IslandTest, TheBuiltInRampLaysTheBandsOfTheTable)
{
    struct band {
        int key;
        rgb colour;
    };
    // Each band ends exactly on its own colour where the next one begins.
    const band shared[] = {
        {5000, kGrass},
        {3000, {235, 185, 135}},  // the darker sand at the water
        {2950, {255, 230, 200}},  // foam
        {2900, {175, 211, 189}},
        {2850, {90, 200, 200}},  // turquoise
        {2750, {80, 180, 208}},
        {0, {41, 71, 167}},  // the floor
    };
    const band playable[] = {{2050, {38, 94, 237}}, {1350, {20, 87, 223}}, {650, {16, 76, 186}}};
    const band preview[] = {{2450, {38, 94, 237}}, {2150, {20, 87, 223}}, {1450, {16, 76, 186}}};
    struct ramp_case {
        bool playable;
        const band* bands;
        size_t entries;  // 1 + 100 + 30 + 30 + 30 + 60 + three blues + the floor
    };
    for (const ramp_case c : {ramp_case{true, playable, 1 + 100 + 150 + 70 + 70 + 70 + 65},
                              ramp_case{false, preview, 1 + 100 + 150 + 30 + 30 + 70 + 145}}) {
        SCOPED_TRACE(c.playable ? "playable" : "preview");
        CMap& island = NewMap();
        island.LoadColourDataFromFile(c.playable);
        EXPECT_EQ(island.colourRamp.size(), c.entries);
        for (const band& b : shared) {
            EXPECT_EQ(Entry(island, b.key), b.colour) << b.key;
        }
        for (int i = 0; i < 3; i++) {
            EXPECT_EQ(Entry(island, c.bands[i].key), c.bands[i].colour) << c.bands[i].key;
        }
        EXPECT_EQ(island.colourRamp.rbegin()->first, 5000) << "no key above the grass";
        for (int height : {5000, 5001, 7777, 10000}) {
            EXPECT_EQ(ColourOf(island, height), kGrass) << height;
        }
    }
}

// Above the grass line the painter leaves the ramp's colour untinted, so
// every height from 5001 up is painted plain grass.
TEST_F(IslandTest, GroundAboveTheGrassLineIsPaintedGrassGreen)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[3]);
    const int heights[] = {5001, 6000, 10000};
    for (int i = 0; i < 3; i++) {
        island.SetHeight(PREVIEW_BORDER + 100 + i, PREVIEW_BORDER + 50, heights[i]);
    }
    island.DrawFractalMapPixels(100, 50, 3, 1, false);
    CDraw* draw = CSprite::draw;
    const int ground = island.GetGroundImage();
    SDL_Surface* surface = draw->GetSurface(ground);
    draw->LockImage(ground);
    for (int i = 0; i < 3; i++) {
        Uint8 r, g, b;
        SDL_GetRGB(draw->getpixel(ground, 100 + i, 50), surface->format, &r, &g, &b);
        EXPECT_EQ((rgb{r, g, b}), kGrass) << heights[i];
    }
    draw->UnlockImage(ground);
}
