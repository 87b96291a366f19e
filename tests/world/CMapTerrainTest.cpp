#include "CControllerGame.h"
#include "CMap.h"

#include <gtest/gtest.h>

namespace {

// A square grid of one height, small enough to keep the tests quick; on the
// playable size world (x, y) is sample (x + 96, y + 96), on the preview size
// (x / 8 + 12, y / 8 + 12).
void Flood(CMap& map, int samples, int height, bool playable)
{
    map.playable = playable;
    map.borderX = map.borderY = playable ? PLAYABLE_BORDER : PREVIEW_BORDER;
    map.AllocateGrids(samples, samples);
    for (int y = 0; y < samples; y++) {
        for (int x = 0; x < samples; x++) {
            map.SetHeight(x, y, height);
        }
    }
}

}  // namespace

TEST(CMap, QueriesBeforeAnyIslandAnswerOpenSea)
{
    CMap map(false);
    EXPECT_EQ(map.GetDepth(10, 10, 50), 0.0f);
    EXPECT_EQ(map.GetWaterDepth(10, 10, 50), 0.0f);
    EXPECT_EQ(map.GetTerrainDepth(10, 10), 0.0f);
    EXPECT_FALSE(map.IsNotOnWater(10, 10));
    EXPECT_FALSE(map.IsOnlyOnSand(10, 10));
    EXPECT_FALSE(map.IsWaterEdge(10, 10));
    EXPECT_TRUE(map.IsSurroundedByWater(10, 10));
    EXPECT_EQ(map.GetDistanceFromStartLocation(10, 10), -1.0f);
    map.playable = true;
    EXPECT_FALSE(map.IsNotOnWater(10, 10));
    EXPECT_TRUE(map.IsSurroundedByWater(10, 10));
}

TEST(CMap, PointsOffTheGridAreOpenSea)
{
    CMap map(false);
    Flood(map, 300, 6000, true);
    struct point {
        int x, y;
    };
    for (const point& p : {point{-97, 0}, point{0, -97}, point{204, 0}, point{0, 204}, point{-100000, 100000}}) {
        SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
        EXPECT_EQ(map.GetDepth(p.x, p.y, 50), 0.0f);
        EXPECT_EQ(map.GetTerrainDepth(p.x, p.y), 0.0f);
        EXPECT_FALSE(map.IsNotOnWater(p.x, p.y));
        EXPECT_FALSE(map.IsOnlyOnSand(p.x, p.y));
        EXPECT_EQ(map.GetHeight(p.x + 96, p.y + 96), 0);
    }
    EXPECT_FALSE(map.IsWaterEdge(-1, 0));
    EXPECT_FALSE(map.IsWaterEdge(300, 0));
    EXPECT_TRUE(map.IsSurroundedByWater(300, 0));
    EXPECT_TRUE(map.IsSurroundedByWater(0, -1));
    // The corners of the grid are still inside.
    EXPECT_GT(map.GetDepth(-96, -96, 50), 1.0f);
    EXPECT_GT(map.GetDepth(203, 203, 50), 1.0f);
}

TEST(CMap, DepthExceedsOneOnLandUnlessClamped)
{
    CMap map(false);
    Flood(map, 200, 5900, true);
    EXPECT_FLOAT_EQ(map.GetDepth(0, 0, 50), 2.0f);
    EXPECT_FLOAT_EQ(map.GetWaterDepth(0, 0, 50), 1.0f);
    EXPECT_FLOAT_EQ(map.GetTerrainDepth(0, 0), 0.59f);
    map.SetHeight(96, 96, 1475);
    EXPECT_FLOAT_EQ(map.GetWaterDepth(0, 0, 50), 0.5f);
}

TEST(CMap, SandLiesStrictlyBetween3100And4800)
{
    struct sand_case {
        int height;
        bool land, sand;
    };
    const sand_case cases[] = {
        {3100, false, false}, {3101, true, true}, {4799, true, true}, {4800, true, false}, {9000, true, false},
    };
    for (bool playable : {true, false}) {
        for (const sand_case& c : cases) {
            SCOPED_TRACE(testing::Message() << (playable ? "playable " : "preview ") << c.height);
            CMap map(false);
            Flood(map, playable ? 200 : 40, 0, playable);
            // World (40, 16) is playable sample (136, 112) and preview sample (17, 14).
            if (playable) {
                map.SetHeight(136, 112, c.height);
            } else {
                map.SetHeight(17, 14, c.height);
            }
            EXPECT_EQ(map.IsNotOnWater(40, 16), c.land);
            EXPECT_EQ(map.IsOnlyOnSand(40, 16), c.sand);
            EXPECT_FALSE(map.IsNotOnWater(48, 24)) << "the neighbouring sample";
        }
    }
}

TEST(CMap, WaterEdgeBandIsWiderOnThePreview)
{
    struct edge_case {
        int height;
        bool playable, preview;
    };
    const edge_case cases[] = {
        {2984, false, false}, {2985, false, true}, {2992, false, true}, {2993, true, true},
        {3000, true, true},   {3001, false, true}, {3004, false, true}, {3008, false, true},
        {3009, false, false},
    };
    for (const edge_case& c : cases) {
        SCOPED_TRACE(c.height);
        CMap map(false);
        Flood(map, 20, c.height, true);
        EXPECT_EQ(map.IsWaterEdge(5, 5), c.playable);
        map.playable = false;
        EXPECT_EQ(map.IsWaterEdge(5, 5), c.preview);
    }
}

TEST(CMap, TileLookupsRoundTowardZeroNeedEveryBitAndEndAt127)
{
    CMap map(false);
    map.SetTile(127, 0, TILE_DEEP | TILE_HOLDS_DEEP);
    EXPECT_TRUE(map.TileContainsTerrain_tile(127, 0, TILE_DEEP | TILE_HOLDS_DEEP));
    EXPECT_FALSE(map.TileContainsTerrain_tile(127, 0, TILE_DEEP | TILE_HOLDS_SAND));
    for (int off : {-1, 128}) {
        EXPECT_FALSE(map.TileContainsTerrain_tile(off, 0, 0)) << off;
        EXPECT_FALSE(map.TileContainsTerrain_tile(0, off, 0)) << off;
    }
    map.SetTile(2, 4, TILE_GRASS | TILE_HOLDS_GRASS);
    map.SetTile(0, 1, TILE_SAND | TILE_HOLDS_SAND);
    // World x -20 shifted is sample 76, tile 2; unshifted -20 / 32 is tile 0.
    EXPECT_TRUE(map.TileContainsTerrain_coords(-20, 40, TILE_GRASS, true));
    EXPECT_FALSE(map.TileContainsTerrain_coords(-20, 40, TILE_SAND, true));
    EXPECT_TRUE(map.TileContainsTerrain_coords(-20, 40, TILE_SAND, false));
    EXPECT_TRUE(map.TileContainsTerrain_coords(-31, 63, TILE_HOLDS_SAND, false));
    EXPECT_FALSE(map.TileContainsTerrain_coords(-32, 63, TILE_HOLDS_SAND, false)) << "tile -1";
    EXPECT_TRUE(map.TileContainsTerrain_coords(4095, 4095, 0, false));
    EXPECT_FALSE(map.TileContainsTerrain_coords(4096, 0, 0, false));
}

TEST(CMap, SandWithin96SamplesMeansNotOutOnTheWater)
{
    // Samples 204..396 on each axis around (300, 300) reach tiles 6..12.
    struct tile_case {
        int tx, ty;
        bool surrounded;
    };
    const tile_case cases[] = {
        {12, 9, false}, {6, 6, false}, {12, 12, false}, {13, 9, true}, {5, 9, true}, {9, 13, true},
    };
    for (const tile_case& c : cases) {
        SCOPED_TRACE(testing::Message() << "sand tile " << c.tx << ", " << c.ty);
        CMap map(false);
        Flood(map, 600, 1000, true);
        map.SetTile(c.tx, c.ty, TILE_SHALLOW | TILE_HOLDS_SHALLOW | TILE_HOLDS_SAND);
        EXPECT_EQ(map.IsSurroundedByWater(300, 300), c.surrounded);
    }
}

TEST(CMap, LandOnTheRingMeansNotOutOnTheWater)
{
    struct ring_case {
        const char* what;
        bool playable;
        int sx, sy;  // the sample raised
        int height;
        bool surrounded;
    };
    // Ray 0 points straight up: 150 samples above the tested sample.
    const ring_case cases[] = {
        {"land straight up", true, 300, 150, 2900, false},
        {"shallows straight up", true, 300, 150, 2899, true},
        {"land straight down", true, 300, 450, 5000, false},
        {"land just off the ring", true, 300, 149, 5000, true},
        {"land straight up on the preview", false, 30, 11, 2900, false},
    };
    for (const ring_case& c : cases) {
        SCOPED_TRACE(c.what);
        CMap map(false);
        Flood(map, c.playable ? 600 : 80, 1000, c.playable);
        map.SetHeight(c.sx, c.sy, c.height);
        EXPECT_EQ(map.IsSurroundedByWater(c.playable ? 300 : 30, c.playable ? 300 : 30), c.surrounded);
    }
}

TEST(CMap, DestroyingTheIslandLeavesNoPointerToIt)
{
    CMap* first = new CMap(false);
    EXPECT_EQ(CControllerGame::island, first);
    CMap* second = new CMap(false);
    EXPECT_EQ(CControllerGame::island, second);
    delete first;
    EXPECT_EQ(CControllerGame::island, second) << "the older island is not the current one";
    delete second;
    EXPECT_EQ(CControllerGame::island, nullptr);
}
