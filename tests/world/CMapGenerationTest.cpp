#include "IslandSeeds.h"
#include "Utilities.h"
#include "tests/world/CMapGenerationFixture.h"

#include <set>
#include <vector>

TEST_F(IslandTest, HeightsOfASeedArePinned)
{
    // The playable size is pinned with the whole island below.
    struct golden {
        unsigned int seed;
        uint64_t hash;
    };
    const golden goldens[] = {
        {1234u, 3303671784849674111ull},
        {kFixedIslandSeeds[0], 10338096551326118030ull},
        {4294967295u, 18072168873219166911ull},
    };
    CMap& island = NewMap();
    for (const golden& g : goldens) {
        SCOPED_TRACE(g.seed);
        island.GenerateHeights(g.seed);
        EXPECT_EQ(island.GetSamplesWide(), 513);
        EXPECT_EQ(HeightHash(island), g.hash);
    }
}

TEST_F(IslandTest, AcceptanceWantsAModerateShareOfGrassAndSand)
{
    struct share {
        int grass, sand;  // of 10000 samples
        bool accepted;
    };
    const share cases[] = {
        {1200, 1000, false},  // 12% grass
        {1500, 1800, true},   // 15% grass, 18% sand: sand / grass 1.2
        {1350, 0, true},      {1349, 0, false}, {1800, 0, true}, {1801, 0, false},
        {1400, 1960, true},   {1400, 1961, false},  // sand / grass just above 1.4
        {1700, 2001, false},                        // more than 20% sand
    };
    CMap& island = NewMap();
    for (const share& c : cases) {
        SCOPED_TRACE(testing::Message() << c.grass << " grass, " << c.sand << " sand");
        island.AllocateGrids(100, 100);
        for (int i = 0; i < 10000; i++) {
            const int h = i < c.grass ? 5000 + i % 5000 : i < c.grass + c.sand ? 3000 + i % 2000 : 2999;
            island.SetHeight(i % 100, i / 100, h);
        }
        EXPECT_EQ(island.CheckGrassAndSand(), c.accepted);
    }
}

TEST_F(IslandTest, TilesTakeTheirDominantKindAndEveryKindTheyHold)
{
    CMap& island = NewMap();
    auto flat = [&](int height) {
        Fill(island, PREVIEW_SAMPLES, false, [=](int, int) { return height; }, PREVIEW_BORDER);
    };
    flat(0);
    auto fill = [&](int tx, int ty, std::vector<int> heights) {
        for (int i = 0; i < 16; i++) {
            island.SetHeight(tx * 4 + i % 4, ty * 4 + i / 4, heights[static_cast<size_t>(i)]);
        }
    };
    fill(10, 10, {6000, 6000, 6000, 6000, 6000, 6000, 6000, 6000, 4000, 4000, 4000, 4000, 4000, 4000, 4000, 4000});
    fill(11, 10, {2900, 2900, 2900, 2900, 2900, 2900, 2900, 2900, 2899, 2899, 2899, 2899, 2000, 2000, 2000, 2000});
    fill(12, 10, {1500, 1500, 1500, 1500, 1500, 999, 999, 999, 999, 999, 999, 2000, 2000, 2000, 2000, 2000});
    fill(13, 10, {4999, 4999, 4999, 4999, 4999, 4999, 4999, 4999, 4999, 5000, 5000, 5000, 5000, 5000, 5000, 5000});
    island.ClassifyTiles();
    EXPECT_EQ(island.GetTile(10, 10), TILE_GRASS | TILE_HOLDS_GRASS | TILE_HOLDS_SAND) << "grass wins a tie";
    EXPECT_EQ(island.GetTile(11, 10), TILE_SAND | TILE_HOLDS_SAND | TILE_HOLDS_SHALLOW) << "sand wins a tie";
    EXPECT_EQ(island.GetTile(12, 10), TILE_DEEP | TILE_HOLDS_DEEP | TILE_HOLDS_MIDDLE | TILE_HOLDS_SHALLOW);
    EXPECT_EQ(island.GetTile(13, 10), TILE_SAND | TILE_HOLDS_SAND | TILE_HOLDS_GRASS);
    EXPECT_EQ(island.GetTile(50, 50), TILE_DEEP | TILE_HOLDS_DEEP);
    for (int edge : {0, 1, 2, 3, 125, 126, 127}) {
        EXPECT_EQ(island.GetTile(edge, 60), TILE_DEEP | TILE_HOLDS_DEEP);
        EXPECT_EQ(island.GetTile(60, edge), TILE_DEEP | TILE_HOLDS_DEEP);
    }
    flat(6000);
    island.ClassifyTiles();
    EXPECT_EQ(island.GetTile(4, 4), TILE_GRASS | TILE_HOLDS_GRASS);
    EXPECT_EQ(island.GetTile(3, 60), TILE_DEEP | TILE_HOLDS_DEEP) << "the edge is sea whatever lies there";
}

TEST_F(IslandTest, AColourRangeEndsExactlyOnItsSecondColour)
{
    CMap& island = NewMap();
    island.AddMapColourRange(0.5f, 200, 100, 0, 0.4f, 100, 0, 200, 4);
    ASSERT_EQ(island.colourRamp.size(), 4u);
    const map_colour bottom = island.colourRamp.at(4000);
    EXPECT_EQ(bottom.r, 100);
    EXPECT_EQ(bottom.b, 200);
    const map_colour top = island.colourRamp.at(4750);
    EXPECT_EQ(top.r, 175);
    EXPECT_EQ(top.g, 75);
    EXPECT_EQ(top.b, 50);
    island.AddMapColourRange(0.5f, 1, 1, 1, 0.5f, 2, 2, 2, 0);
    island.AddMapColourRange(0.4f, 1, 1, 1, 0.39999f, 2, 2, 2, -1);
    EXPECT_EQ(island.colourRamp.size(), 4u) << "no steps, no entries";
}

TEST_F(IslandTest, ASmallRepaintOfTheGroundCoversOnlyItsRectangle)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[3]);
    CDraw* draw = CSprite::draw;
    const int ground = island.GetGroundImage();
    const int w = draw->GetW(ground), h = draw->GetH(ground);
    // The preview's pictures are painted over; the bare ground comes back.
    island.DrawFractalMapPixels(-1, -1, -1, -1, false);
    draw->LockImage(ground);
    const Uint32 bare = draw->getpixel(ground, 109, 69);
    draw->UnlockImage(ground);
    draw->ColourFill(ground, RGBA_data{1, 2, 3, 255}, 0, 0, w, h);
    island.DrawFractalMapPixels(100, 50, 10, 20, false);
    draw->LockImage(ground);
    const Uint32 untouched = draw->getpixel(ground, 99, 50);
    const Uint32 painted = draw->getpixel(ground, 109, 69);
    const Uint32 below = draw->getpixel(ground, 100, 70);
    draw->UnlockImage(ground);
    EXPECT_EQ(untouched, below);
    EXPECT_EQ(painted, bare);
    EXPECT_NE(untouched, painted);
}

TEST_F(IslandTest, AcceptedIslandsKeepTheirTilesAndStart)
{
    struct golden {
        unsigned int seed;
        uint64_t terrain;
        int startX, startY;
    };
    const golden goldens[] = {
        {kFixedIslandSeeds[0], 4832121223991527316ull, 364, 412},
        {kFixedIslandSeeds[11], 14050111316428442690ull, 320, 424},
        {kFixedIslandSeeds[24], 9259436787492973186ull, 180, 424},
    };
    for (const golden& g : goldens) {
        SCOPED_TRACE(g.seed);
        CMap& island = PreviewOf(g.seed);
        EXPECT_EQ(island.GetCurrentSeed(), g.seed);
        EXPECT_EQ(island.startX, g.startX);
        EXPECT_EQ(island.startY, g.startY);
        EXPECT_EQ(TerrainHash(island), g.terrain);
    }
}

TEST_F(IslandTest, AllTwentyFiveFirstIslandsPassTheAcceptanceTestAndHaveRoomForTheCamp)
{
    CMap& island = NewMap();
    int passing = 0;
    for (unsigned int seed : kFixedIslandSeeds) {
        island.GenerateHeights(seed);
        if (!island.CheckGrassAndSand()) {
            ADD_FAILURE() << seed << " fails the acceptance test";
            continue;
        }
        island.ClassifyTiles();
        int x1 = 10, y1 = 10, x2 = 0, y2 = 0;
        if (!island.GetSizedRegion(TILE_GRASS, x1, y1, x2, y2, 0, false)) {
            ADD_FAILURE() << seed << " has no room for the camp";
            continue;
        }
        passing++;
    }
    EXPECT_EQ(passing, FIXED_ISLAND_SEEDS);
}

TEST_F(IslandTest, ANewPlayersFirstIslandIsAFixedOneNotOneOfTheLastTwo)
{
    CMap& island = NewMap();
    std::vector<unsigned int> offered;
    for (int i = 0; i < 6; i++) {
        CProfile::current->SetValue<int>(36, 0);
        island.CreateMap(0, -1, -1, false, false, false);
        offered.push_back(island.GetCurrentSeed());
    }
    const std::set<unsigned int> fixed(std::begin(kFixedIslandSeeds), std::end(kFixedIslandSeeds));
    for (size_t i = 0; i < offered.size(); i++) {
        EXPECT_EQ(fixed.count(offered[i]), 1u) << offered[i];
        if (i >= 1) {
            EXPECT_NE(offered[i], offered[i - 1]);
        }
        if (i >= 2) {
            EXPECT_NE(offered[i], offered[i - 2]);
        }
    }
    EXPECT_EQ(island.islandHistory.size(), offered.size());
}

// The fixed seed offered is the one the draw over all of them names, after
// the generator is seeded afresh: the first and the last can both come up.
TEST_F(IslandTest, ANewPlayersFirstIslandIsTheFixedOneItsDrawNamesTheLastIncluded)
{
    // Only the first seeding of a run takes the clock; every later one draws
    // from the generator, so a start set here fixes what follows.
    SeedRandom();
    for (int wanted : {0, FIXED_ISLAND_SEEDS - 1}) {
        unsigned int start = 1;
        for (;; start++) {
            InitRandom(start);
            SeedRandom();
            if (RangedRandom(0, FIXED_ISLAND_SEEDS - 1) == wanted) {
                break;
            }
        }
        CMap& island = NewMap();
        CProfile::current->SetValue<int>(36, 0);
        InitRandom(start);
        island.CreateMap(0, -1, -1, false, false, false);
        EXPECT_EQ(island.GetCurrentSeed(), kFixedIslandSeeds[wanted]) << "fixed seed " << wanted;
    }
}

TEST_F(IslandTest, EveryAcceptedPreviewCountsAndNoIslandKeepsTheSeedZero)
{
    CMap& island = NewMap();
    CProfile::current->SetValue<int>(36, 5);
    island.CreateMap(0, -1, -1, false, false, false);
    EXPECT_EQ(CProfile::current->GetValue<int>(36), 6);
    const unsigned int seed = island.GetCurrentSeed();
    EXPECT_NE(seed, 0u);
    EXPECT_EQ(std::count(std::begin(kFixedIslandSeeds), std::end(kFixedIslandSeeds), seed), 0)
        << "a player with islands behind them gets a random one";
    island.ToggleBig(true);
    EXPECT_EQ(CProfile::current->GetValue<int>(36), 6) << "the playable island adds nothing";
    EXPECT_EQ(island.GetCurrentSeed(), seed);
}

TEST_F(IslandTest, ARejectedPreviewGivesWayToTheNextRandomIsland)
{
    CMap& island = NewMap();
    unsigned int rejected = 0;
    for (unsigned int seed = 1; seed < 200 && rejected == 0; seed++) {
        island.GenerateHeights(seed);
        if (!island.CheckGrassAndSand()) {
            rejected = seed;
        }
    }
    ASSERT_NE(rejected, 0u);
    CProfile::current->SetValue<int>(36, 0);
    island.CreateMap(rejected, -1, -1, false, true, false);
    ASSERT_EQ(island.islandHistory.size(), 1u);
    const unsigned int taken = island.GetCurrentSeed();
    EXPECT_NE(taken, rejected);
    EXPECT_NE(taken, 0u);
    // The generator was seeded for the dropped island, so the next one is
    // random even for a new player.
    EXPECT_EQ(std::count(std::begin(kFixedIslandSeeds), std::end(kFixedIslandSeeds), taken), 0);
    EXPECT_EQ(CProfile::current->GetValue<int>(36), 1);
    EXPECT_FALSE(island.seeded);
    // The island it settled on is that seed's own.
    const uint64_t terrain = TerrainHash(island);
    PreviewOf(taken);
    EXPECT_EQ(TerrainHash(*map), terrain);
}

TEST_F(IslandTest, ThePlayableIslandMakesTheTilesOfASeedItWasNotShown)
{
    PreviewOf(kFixedIslandSeeds[5]);
    const uint64_t shown = TerrainHash(*map);
    const int startX = map->startX, startY = map->startY;
    PreviewOf(kFixedIslandSeeds[6]);
    ASSERT_NE(TerrainHash(*map), shown);
    // The history now names the first island, whose tiles are gone.
    map->islandHistory[map->currentHistoryIndex].seed = kFixedIslandSeeds[5];
    map->ToggleBig(true);
    ASSERT_TRUE(map->playable);
    EXPECT_EQ(map->startX, startX);
    EXPECT_EQ(map->startY, startY);
    Fnv tiles, again;
    for (int tx = 0; tx < MAP_TILES; tx++) {
        for (int ty = 0; ty < MAP_TILES; ty++) {
            tiles.Add(static_cast<int>(map->GetTile(tx, ty)));
        }
    }
    PreviewOf(kFixedIslandSeeds[5]);
    for (int tx = 0; tx < MAP_TILES; tx++) {
        for (int ty = 0; ty < MAP_TILES; ty++) {
            again.Add(static_cast<int>(map->GetTile(tx, ty)));
        }
    }
    EXPECT_EQ(tiles.Value(), again.Value());
    EXPECT_NE(Log().find("start location were made from its seed"), std::string::npos);
}

TEST_F(IslandTest, TheBannerAndTheTravelDrawNothingFromTheGenerator)
{
    // Forcing the banner also keeps the palms and beach rocks out, so what is
    // compared is everything placed before the beach decoration.
    auto placedFirst = [](CMap& island) {
        Fnv fnv;
        fnv.Add(static_cast<int>(TerrainHash(island)));
        for (CMysteriousObject* mystery : island.mysteries) {
            fnv.Add(mystery ? mystery->GetVariant() : -1);
            fnv.Add(mystery ? mystery->GetX() : -1);
            fnv.Add(mystery ? mystery->GetY() : -1);
        }
        return fnv.Value();
    };
    // Each island alone: what stands on the ground is in the way of the beach.
    auto fresh = [&](bool travel, bool force) {
        map.reset();
        CObject::UnloadAll();
        NewMap().CreateMap(kFixedIslandSeeds[2], -1, -1, travel, true, force);
    };
    fresh(false, false);
    const uint64_t quiet = placedFirst(*map);
    const uint64_t unforced = PlacementHash(*map);
    fresh(true, true);
    EXPECT_EQ(placedFirst(*map), quiet);
    fresh(true, false);
    EXPECT_EQ(PlacementHash(*map), unforced) << "travel alone changes nothing";
}

TEST_F(IslandTest, PlayableIslandsArePinnedToTheLastPixel)
{
    struct golden {
        unsigned int seed;
        uint64_t heights, ground, dressing;
    };
    const golden goldens[] = {
        {kFixedIslandSeeds[0], 285582869470478967ull, 3700686917024653872ull, 6261358604456349611ull},
        {kFixedIslandSeeds[7], 16744850629471693070ull, 18371961740553020605ull, 17532804671926818371ull},
        {kFixedIslandSeeds[19], 994724293499868579ull, 7844868311200268586ull, 1336652409785031284ull},
    };
    for (const golden& g : goldens) {
        SCOPED_TRACE(g.seed);
        map.reset();
        CObject::UnloadAll();
        PreviewOf(g.seed).ToggleBig(true);
        ASSERT_TRUE(map->playable);
        if (g.seed == kFixedIslandSeeds[7]) {
            // Made again over the grids and the image of the last one.
            map->CreateMap(g.seed, -1, -1, false, false, false);
        }

        CDraw* draw = CSprite::draw;
        SDL_Surface* surface = draw->GetSurface(map->GetGroundImage());
        ASSERT_EQ(surface->w, 4097 - 2 * 96);
        Fnv ground;
        draw->LockImage(surface);
        for (int y = 0; y < surface->h; y++) {
            ground.Add(static_cast<const Uint8*>(surface->pixels) + static_cast<size_t>(y) * surface->pitch,
                       static_cast<size_t>(surface->w) * surface->format->BytesPerPixel);
        }
        draw->UnlockImage(surface);

        Fnv dressing;
        dressing.Add(static_cast<int>(PlacementHash(*map)));
        for (const grasschunk& tuft : map->grass) {
            dressing.Add(tuft.x);
            dressing.Add(tuft.y);
            dressing.Add(tuft.w);
            dressing.Add(tuft.h);
        }
        for (const wave_struct& wave : map->waves) {
            dressing.Add(wave.coastX);
            dressing.Add(wave.coastY);
            dressing.Add(wave.pointX);
            dressing.Add(wave.pointY);
            dressing.Add(&wave.angle, sizeof(wave.angle));
        }
        EXPECT_EQ(HeightHash(*map), g.heights);
        EXPECT_EQ(ground.Value(), g.ground);
        EXPECT_EQ(dressing.Value(), g.dressing);
        EXPECT_GT(map->grass.size(), 0u);
        EXPECT_GT(map->waves.size(), 0u);
    }
}
