#include "ManifestImages.h"
#include "RockKinds.h"
#include "TreeKinds.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

// A block reaching outside its picture would block ground beside the object.
TEST(WorldManifest, EveryRockAndTreePictureHoldsItsBlock)
{
    std::map<std::string, manifest_image> images;
    for (const manifest_image& image : ReadManifestImages(PALMORA_SOURCE_DIR "/tools/manifest")) {
        images[image.name] = image;
    }
    auto expectInside = [&](const std::string& name, int x, int y, int w, int h) {
        SCOPED_TRACE(name);
        auto found = images.find(name);
        ASSERT_NE(found, images.end()) << "missing from the manifest";
        EXPECT_LE(x + w, found->second.w);
        EXPECT_LE(y + h, found->second.h);
    };
    char name[64];
    for (int size = 0; size < ROCK_SIZES; size++) {
        for (int variant = 0; variant < kRockKinds[size].variants; variant++) {
            std::snprintf(name, sizeof(name), kRockKinds[size].image, variant);
            for (int i = 0; i < kRockBlocks[size][variant].count; i++) {
                const rock_block& b = kRockBlocks[size][variant].block[i];
                expectInside(name, b.x, b.y, b.w, b.h);
            }
        }
    }
    for (int size = 0; size < TREE_SIZES; size++) {
        for (int style = 0; style < kTreeKinds[size].styles; style++) {
            for (int stage = 0; stage < 4; stage++) {
                std::snprintf(name, sizeof(name), "tree_size%i_trunk%i_chop%i.png", size, style, stage);
                const tree_block& b = kTreeBlocks[size][style];
                expectInside(name, b.x, b.y, b.w, b.h);
            }
        }
    }
    const tree_block& b = kMysteriousTreeBlock;
    expectInside("mysterious_4_tree.png", b.x, b.y, b.w, b.h);
}
