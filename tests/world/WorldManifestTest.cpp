#include "ManifestImages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

struct block {
    const char* image;
    int x, y, w, h;  // from the picture's top-left
};

// Where rocks and trees block the ground relative to their pictures; every
// block must lie inside its picture or the object would block ground beside
// itself.
constexpr block kBlocks[] = {
    {"rock_large0.png", 2, 27, 61, 24},
    {"rock_large1.png", 2, 30, 58, 22},
    {"rock_large2.png", 2, 30, 63, 22},
    {"rock_large3.png", 2, 32, 63, 18},
    {"rock_large4.png", 3, 30, 63, 22},
    {"rock_medium0.png", 2, 13, 31, 11},
    {"rock_medium1.png", 2, 15, 30, 11},
    {"rock_medium2.png", 2, 14, 32, 11},
    {"rock_medium3.png", 2, 14, 32, 11},
    {"rock_medium4.png", 2, 14, 34, 10},
    {"rock_medium5.png", 2, 19, 44, 16},
    {"rock_medium6.png", 2, 22, 44, 16},
    {"rock_medium7.png", 2, 21, 44, 16},
    {"rock_small0.png", 2, 8, 23, 9},
    {"rock_small1.png", 2, 9, 23, 9},
    {"rock_small2.png", 2, 11, 23, 8},
    {"rock_bigger0.png", 4, 55, 87, 36},
    {"rock_biggest0.png", 3, 116, 179, 55},
    {"rock_biggest0.png", 23, 50, 141, 66},
    {"tree_size0_trunk0_chop%i.png", 7, 205, 25, 18},
    {"tree_size0_trunk1_chop%i.png", 23, 205, 25, 18},
    {"tree_size0_trunk2_chop%i.png", 11, 205, 25, 18},
    {"tree_size0_trunk3_chop%i.png", 21, 210, 25, 18},
    {"tree_size0_trunk4_chop%i.png", 23, 205, 25, 18},
    {"tree_size0_trunk5_chop%i.png", 98, 205, 35, 18},
    {"tree_size0_trunk6_chop%i.png", 14, 212, 35, 18},
    {"tree_size1_trunk0_chop%i.png", 7, 158, 20, 13},
    {"tree_size1_trunk1_chop%i.png", 21, 159, 20, 13},
    {"tree_size1_trunk2_chop%i.png", 10, 157, 20, 13},
    {"tree_size1_trunk3_chop%i.png", 20, 162, 22, 13},
    {"tree_size1_trunk4_chop%i.png", 22, 157, 20, 13},
    {"tree_size2_trunk0_chop%i.png", 8, 114, 18, 10},
    {"tree_size2_trunk1_chop%i.png", 21, 114, 15, 10},
    {"tree_size2_trunk2_chop%i.png", 11, 116, 17, 10},
    {"tree_size2_trunk3_chop%i.png", 20, 116, 18, 10},
    {"tree_size2_trunk4_chop%i.png", 19, 116, 19, 10},
    {"mysterious_4_tree.png", 102, 272, 25, 18},
};

}  // namespace

TEST(WorldManifest, EveryRockAndTreePictureHoldsItsBlock)
{
    std::map<std::string, manifest_image> images;
    for (const manifest_image& image : ReadManifestImages(PALMORA_SOURCE_DIR "/tools/manifest")) {
        images[image.name] = image;
    }
    for (const block& b : kBlocks) {
        // Tree trunks have one picture per chop stage.
        const int stages = std::string(b.image).find("%i") != std::string::npos ? 4 : 1;
        for (int stage = 0; stage < stages; stage++) {
            char name[64];
            std::snprintf(name, sizeof(name), b.image, stage);
            SCOPED_TRACE(name);
            auto found = images.find(name);
            ASSERT_NE(found, images.end()) << "missing from the manifest";
            EXPECT_LE(b.x + b.w, found->second.w);
            EXPECT_LE(b.y + b.h, found->second.h);
        }
    }
}

TEST(WorldManifest, RangesExpandToOneImageEach)
{
    std::map<std::string, int> count;
    for (const manifest_image& image : ReadManifestImages(PALMORA_SOURCE_DIR "/tools/manifest")) {
        count[image.name]++;
    }
    EXPECT_EQ(count.count("rock_medium7.png"), 1u);
    EXPECT_EQ(count.count("rock_medium8.png"), 0u);
    EXPECT_EQ(count.count("tree_size0_leaf4.png"), 1u);
    EXPECT_EQ(count.count("shell_small_type3_9.png"), 1u);
    EXPECT_EQ(count.count("shell_small_type3_10.png"), 0u);
    for (const auto& entry : count) {
        EXPECT_EQ(entry.second, 1) << entry.first << " is declared more than once";
    }
}
