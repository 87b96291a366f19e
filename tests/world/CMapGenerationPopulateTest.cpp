#include "CControllerTrophies.h"
#include "IslandSeeds.h"
#include "Utilities.h"
#include "tests/world/CMapGenerationFixture.h"

#include <algorithm>
#include <climits>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

bool OnOpenGrass(CMap& island, int worldX, int worldY)
{
    const int tx = (worldX / 8 + 12) / 4;
    const int ty = (worldY / 8 + 12) / 4;
    for (int dx = -1; dx <= 1; dx++) {
        for (int dy = -1; dy <= 1; dy++) {
            if (!island.TileContainsTerrain_tile(tx + dx, ty + dy, TILE_GRASS)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

TEST_F(IslandTest, APopulatedIslandIsPinnedBySeedAndPictureSizes)
{
    struct golden {
        unsigned int seed;
        size_t trees, rocks, flowers;
        int mysteries[3];
        uint64_t placement;
    };
    const golden goldens[] = {
        // Trees and rocks count the beach's palms and rocks.
        {kFixedIslandSeeds[0], 78, 39, 1036, {3, 0, 7}, 9857886658116190084ull},
        {kFixedIslandSeeds[17], 77, 39, 1036, {0, 3, 1}, 2683369913847491292ull},
    };
    for (const golden& g : goldens) {
        SCOPED_TRACE(g.seed);
        CMap& island = PreviewOf(g.seed);
        ASSERT_EQ(island.GetCurrentSeed(), g.seed);
        EXPECT_EQ(island.trees.size(), g.trees);
        EXPECT_EQ(island.rocks.size(), g.rocks);
        EXPECT_EQ(island.flowers.size(), g.flowers);
        for (int i = 0; i < 3; i++) {
            ASSERT_NE(island.mysteries[i], nullptr);
            EXPECT_EQ(island.mysteries[i]->GetVariant(), g.mysteries[i]);
        }
        EXPECT_EQ(PlacementHash(island), g.placement);
        // The next island's beach is not crowded by this one's objects.
        map.reset();
        CObject::UnloadAll();
    }
}

TEST_F(IslandTest, TreesAndRocksStandOnOpenGrassAwayFromTheCamp)
{
    for (unsigned int seed : {kFixedIslandSeeds[1], kFixedIslandSeeds[9]}) {
        SCOPED_TRACE(seed);
        CMap& island = PreviewOf(seed);
        ASSERT_FALSE(island.trees.empty());
        ASSERT_FALSE(island.rocks.empty());
        auto check = [&](CObject* object) {
            const int sx = object->GetX() / 8 + 12;
            const int sy = object->GetY() / 8 + 12;
            EXPECT_GE(GetDist(sx, sy, island.startX, island.startY), 35.0f);
            EXPECT_TRUE(OnOpenGrass(island, object->GetX(), object->GetY()));
            EXPECT_FALSE(island.CloseToMysteriousObject(object->GetX(), object->GetY()));
        };
        // The beach's palms and rocks stand on the sand.
        std::vector<CTree*> trees;
        for (CTree* tree : island.trees) {
            if (!tree->IsScenery()) {
                trees.push_back(tree);
                check(tree);
            }
        }
        for (CStone* rock : island.rocks) {
            if (!rock->IsScenery()) {
                check(rock);
                EXPECT_GE(island.GetHeight(rock->GetX() / 8 + 12, rock->GetY() / 8 + 12), 4800);
            }
        }
        // No two trees closer than their gap.
        for (size_t i = 0; i < trees.size(); i++) {
            for (size_t j = i + 1; j < trees.size(); j++) {
                EXPECT_GT(trees[i]->GetDistFrom(trees[j]->GetX(), trees[j]->GetY()), 72);
            }
        }
        for (const flower_data& flower : island.flowers) {
            EXPECT_GE(island.GetHeight((flower.x + 96) / 8, (flower.y + 96) / 8), 4950);
            EXPECT_TRUE(CMysteriousObject::CheckFlower(flower.x, flower.y));
        }
    }
}

TEST_F(IslandTest, ThePreviewShowsTrunksBeforeCrownsAndTheCamp)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[4]);
    int lastTrunk = INT_MIN, firstCrown = INT_MAX, crowns = 0, camp = 0;
    for (const auto& entry : island.previewPictures) {
        const std::string& name = entry.second.name;
        if (name.find("_trunk") != std::string::npos) {
            lastTrunk = std::max(lastTrunk, entry.first);
            EXPECT_TRUE(entry.second.shrink && entry.second.brighten);
        } else if (name.find("_leaf") != std::string::npos) {
            firstCrown = std::min(firstCrown, entry.first);
            crowns++;
        } else if (name.find("pile_") == 0 || name.find("fireplace_") == 0) {
            camp++;
        } else if (name.find("rock_") == 0) {
            EXPECT_TRUE(entry.second.shrink);
            EXPECT_FALSE(entry.second.brighten);
        } else if (name.find("flower_minimap") == 0) {
            EXPECT_FALSE(entry.second.shrink);
        }
    }
    EXPECT_EQ(static_cast<size_t>(crowns), island.trees.size());
    EXPECT_LT(lastTrunk, firstCrown);
    EXPECT_EQ(camp, 4);
}

TEST_F(IslandTest, ThePlayableIslandKeepsWhatThePreviewPlaced)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[7]);
    const std::vector<CTree*> trees = island.trees;
    const std::vector<CStone*> rocks = island.rocks;
    const std::vector<flower_data> flowers = island.flowers;
    CMysteriousObject* mystery = island.mysteries[1];
    island.ToggleBig(true);
    ASSERT_TRUE(island.playable);
    EXPECT_EQ(island.trees, trees);
    EXPECT_EQ(island.rocks, rocks);
    EXPECT_EQ(island.mysteries[1], mystery);
    ASSERT_EQ(island.flowers.size(), flowers.size());
    EXPECT_TRUE(std::equal(flowers.begin(), flowers.end(), island.flowers.begin(),
                           [](const flower_data& a, const flower_data& b) { return memcmp(&a, &b, sizeof(a)) == 0; }));
}

TEST_F(IslandTest, ALoadedIslandKeepsItsObjectsButGetsItsMysteriesAnew)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[8]);
    const std::vector<CTree*> trees = island.trees;
    const std::vector<CStone*> rocks = island.rocks;
    island.flowers.resize(3);
    for (CMysteriousObject* mystery : island.mysteries) {
        mystery->dustCharge = 777;
    }
    island.loading = true;
    island.CreateMap(kFixedIslandSeeds[8], -1, -1, true, false, true);
    island.loading = false;
    EXPECT_EQ(island.trees, trees);
    EXPECT_EQ(island.rocks, rocks);
    EXPECT_EQ(island.flowers.size(), 3u);
    for (CMysteriousObject* mystery : island.mysteries) {
        ASSERT_NE(mystery, nullptr);
        EXPECT_EQ(mystery->dustCharge, 0) << "made anew";
    }
    EXPECT_EQ(island.islandHistory.size(), 2u) << "a loaded island joins the history";
}

TEST_F(IslandTest, EveryTreeAddedToAHundredCompletesTheForestTrophy)
{
    CMap& island = NewMap();
    island.playable = true;
    CTree* first = island.AddTree(300, 300, 1, 0, true, false, false);
    island.trees.assign(98, first);
    island.AddTree(400, 300, 1, 0, true, false, false);
    EXPECT_EQ(CProfile::current->GetValue<int>(65) & 16, 0) << "98 before it";
    island.AddTree(500, 300, 1, 0, true, false, false);
    EXPECT_EQ(CProfile::current->GetValue<int>(65) & 16, 16);
    island.trees.clear();
}

TEST_F(IslandTest, RocksThatCanOnlyGrowBesideBeachRocksInTheSeaAreLeftOut)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[12]);
    // Eight beach rocks far out in the sea: the first eight anchors.
    for (int i = 0; i < 8; i++) {
        island.beachRocks.push_back(island.AddRock(20 + 40 * i, 20, 2, false, true));
    }
    island.CreateRocksForIsland();
    // The biggest and the anywhere rocks find places; the clusters cannot.
    EXPECT_EQ(island.rocks.size(), 8u + 2u + 2u);
    EXPECT_NE(Log().find("No place was found for a rock"), std::string::npos);
}

TEST_F(IslandTest, FlowersWithNoBedToGrowBesideAreLeftOut)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[13]);
    // With no mystery, tree or rock near, not one of the ten beds can start.
    for (CMysteriousObject*& mystery : island.mysteries) {
        delete mystery;
    }
    for (CTree* tree : std::vector<CTree*>(island.trees)) {
        delete tree;
    }
    for (CStone* rock : std::vector<CStone*>(island.rocks)) {
        delete rock;
    }
    island.CreateFlowersForIsland();
    EXPECT_EQ(island.flowers.size(), 50u) << "only the late clumps";
    for (const flower_data& flower : island.flowers) {
        EXPECT_TRUE(flower.firstOfClump);
    }
    EXPECT_NE(Log().find("No flower is there to grow beside"), std::string::npos);
}

TEST_F(IslandTest, MysteriesWithoutRoomRejectTheIsland)
{
    CMap& island = NewMap();
    island.borderX = island.borderY = PREVIEW_BORDER;
    island.AllocateGrids(PREVIEW_SAMPLES, PREVIEW_SAMPLES);
    for (int tx = 0; tx < MAP_TILES; tx++) {
        for (int ty = 0; ty < MAP_TILES; ty++) {
            // One small patch of grass and sand each: too small for a mystery.
            const bool patch = tx >= 60 && tx < 65 && ty >= 60 && ty < 65;
            island.SetTile(tx, ty, patch ? (tx < 62 ? TILE_GRASS : TILE_SAND) : TILE_DEEP);
        }
    }
    island.startX = island.startY = 256;
    EXPECT_FALSE(island.CreateMysteriousObjectsForIsland());
}

TEST_F(IslandTest, PlacingOnThePlayableIslandChangesNoList)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[14]);
    island.playable = true;
    const size_t trees = island.trees.size(), rocks = island.rocks.size(), flowers = island.flowers.size();
    CMysteriousObject* mystery = island.mysteries[0];
    island.CreateTreesForIsland();
    island.CreateRocksForIsland();
    island.CreateFlowersForIsland();
    EXPECT_TRUE(island.CreateMysteriousObjectsForIsland());
    EXPECT_EQ(island.trees.size(), trees);
    EXPECT_EQ(island.rocks.size(), rocks);
    EXPECT_EQ(island.flowers.size(), flowers);
    EXPECT_EQ(island.mysteries[0], mystery);
}
