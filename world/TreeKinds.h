// The three sizes of tree and their trunk styles: wood, anchors of trunk and
// crown, grass margins, selection-marker offsets, the ground each style
// blocks, shadows and the stand points of the islanders who chop them. Read
// by CTree.
#pragma once

#include "Types.h"

constexpr int TREE_SIZES = 3;
constexpr int TREE_MAX_STYLES = 7;
// Leaf pictures of every size: tree_size<size>_leaf<0..4>.png.
constexpr int TREE_LEAF_PATTERNS = 5;

struct tree_kind {
    int styles;
    int wood;
    int grassMarginNarrow;  // trunk styles 0 and 1
    int grassMarginWide;    // trunk styles 2 and up
};

constexpr tree_kind kTreeKinds[TREE_SIZES] = {
    {7, 200, 17, 23},
    {5, 100, 18, 24},
    {5, 50, 19, 25},
};

// Where the trunk and the crown meet, in each picture's own pixels.
constexpr coordinate kTrunkAnchors[TREE_SIZES][TREE_MAX_STYLES] = {
    {{16, 13}, {16, 13}, {16, 13}, {16, 13}, {16, 13}, {17, 2}, {86, 3}},
    {{13, 10}, {13, 10}, {13, 10}, {13, 10}, {13, 10}},
    {{12, 7}, {12, 7}, {12, 7}, {12, 7}, {12, 7}},
};
constexpr coordinate kLeavesAnchors[TREE_SIZES][TREE_MAX_STYLES] = {
    {{101, 52}, {101, 52}, {101, 52}, {101, 52}, {101, 52}, {102, 50}, {102, 50}},
    {{80, 42}, {80, 42}, {80, 42}, {80, 42}, {80, 42}},
    {{63, 31}, {63, 31}, {63, 31}, {63, 31}, {63, 31}},
};

// The selection marker, from the tree's top-left.
constexpr coordinate kTreeMarkers[TREE_SIZES][TREE_MAX_STYLES] = {
    {{-15, 199}, {-2, 201}, {-12, 204}, {-2, 206}, {-6, 203}, {86, 202}, {-14, 209}},
    {{-16, 148}, {-5, 150}, {-14, 152}, {-5, 154}, {-9, 152}},
    {{-18, 101}, {-6, 101}, {-16, 102}, {-6, 102}, {-9, 104}},
};
constexpr coordinate kMysteriousTreeMarker = {74, 265};

struct tree_block {
    int x, y, w, h;  // from the tree's top-left
};

constexpr tree_block kTreeBlocks[TREE_SIZES][TREE_MAX_STYLES] = {
    {{7, 205, 25, 18},
     {23, 205, 25, 18},
     {11, 205, 25, 18},
     {21, 210, 25, 18},
     {23, 205, 25, 18},
     {98, 205, 35, 18},
     {14, 212, 35, 18}},
    {{7, 158, 20, 13}, {21, 159, 20, 13}, {10, 157, 20, 13}, {20, 162, 22, 13}, {22, 157, 20, 13}},
    {{8, 114, 18, 10}, {21, 114, 15, 10}, {11, 116, 17, 10}, {20, 116, 18, 10}, {19, 116, 19, 10}},
};
constexpr tree_block kMysteriousTreeBlock = {102, 272, 25, 18};

// A scenery tree's shadow, from the tree's top-left.
constexpr coordinate kTreeShadows[TREE_SIZES][TREE_MAX_STYLES] = {
    {{4, 210}, {14, 209}, {5, 215}, {14, 214}, {11, 214}, {104, 214}, {6, 220}},
    {{3, 156}, {14, 158}, {3, 162}, {13, 163}, {10, 161}},
    {{3, 111}, {14, 111}, {4, 114}, {14, 115}, {12, 116}},
};

// Where an islander stands to chop, x from the foot point.
struct tree_stand {
    int left, right;
};

constexpr tree_stand kTreeStands[TREE_SIZES][TREE_MAX_STYLES] = {
    {{-70, 45}, {-58, 60}, {-70, 45}, {-58, 60}, {-58, 62}, {-28, 95}, {-86, 35}},
    {{-73, 45}, {-58, 60}, {-68, 48}, {-58, 60}, {-58, 63}},
    {{-68, 45}, {-58, 57}, {-62, 45}, {-58, 59}, {-55, 60}},
};
constexpr int kTreeStandY = -45;
constexpr coordinate kMysteriousTreeStandShift = {20, -10};
