// The small pictures a preview island adds for the trees and flowers it
// already holds, pinned draw by draw: each stage reseeds with the island's
// seed, so the same island shows the same crowns and flowers every time.
#include "Utilities.h"
#include "tests/world/CMapGenerationFixture.h"

#include <string>
#include <vector>

namespace {

// The pictures whose name holds part, in the order of their painting keys.
std::vector<std::string> PicturesNamed(CMap& island, const std::string& part)
{
    std::vector<std::string> names;
    for (const auto& entry : island.previewPictures) {
        const minimap_object& picture = entry.second;
        if (picture.name.find(part) != std::string::npos) {
            names.push_back(picture.name + " at " + std::to_string(picture.x) + "," + std::to_string(picture.y));
        }
    }
    return names;
}

}  // namespace

TEST_F(IslandTest, EachTreeOfThePreviewDrawsOneOfItsFiveCrownsInListOrder)
{
    CMap& island = NewMap();
    // Twenty preview pixels apart, so that the crowns' keys follow the list.
    for (int i = 0; i < 20; i++) {
        island.AddTree(400 + 8 * i, 160 + 160 * i, i % 3, 0, true, false, false);
    }
    island.loading = true;  // the trees stay as they are
    island.CreateTreesForIsland();

    InitRandom(island.GetCurrentSeed());
    std::vector<std::string> expected;
    bool lastCrown = false;
    for (CTree* tree : island.trees) {
        const int crown = RangedRandom(0, 4);
        lastCrown = lastCrown || crown == 4;
        expected.push_back(TempSprintf("tree_size%i_leaf%i.png", tree->GetSize(), crown));
    }
    ASSERT_TRUE(lastCrown) << "the seed shows the fifth crown somewhere";
    std::vector<std::string> crowns;
    for (const auto& entry : island.previewPictures) {
        if (entry.second.name.find("_leaf") != std::string::npos) {
            crowns.push_back(entry.second.name);
        }
    }
    EXPECT_EQ(crowns, expected);
}

TEST_F(IslandTest, OnlyFlowersThatStartNoClumpDrawTheirCoinAndThenTheirPicture)
{
    CMap& island = NewMap();
    island.loading = true;
    for (int i = 0; i < 40; i++) {
        flower_data flower{};
        flower.x = 800 + 16 * i;
        flower.y = 800 + 16 * i;
        flower.colour = i % 7;
        flower.size = 1;
        flower.type = 1;
        flower.firstOfClump = i % 4 == 0 ? 1 : 0;
        island.flowers.push_back(flower);
    }
    island.CreateFlowersForIsland();

    InitRandom(island.GetCurrentSeed());
    std::vector<std::string> expected;
    for (const flower_data& flower : island.flowers) {
        if (flower.firstOfClump) {
            continue;  // a clump's first flower draws nothing
        }
        if (RangedRandom(0, 1) != 0) {
            continue;
        }
        const int look = RangedRandom(0, 3);
        expected.push_back(std::string(TempSprintf("flower_minimap_colour_%i_type_%i.png", flower.colour, look)) +
                           " at " + std::to_string(flower.x / 8) + "," + std::to_string(flower.y / 8));
    }
    ASSERT_GT(expected.size(), 5u);
    EXPECT_EQ(PicturesNamed(island, "flower_minimap"), expected);
}
