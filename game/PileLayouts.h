// Where the heaps of the stock's three piles stand, in px from the pile's
// anchor (the centre of its mat) or from an earlier heap, and where islanders
// stand by a pile to deliver or fetch. Read by CResources.
#pragma once

#include "Types.h"

namespace PileLayouts {

// Sixteen places for each vegetable, in four blocks of four.
constexpr coordinate kVegetableOffsets[3][16] = {
    {{-40, -40}, {-23, -30}, {-41, -48}, {-24, -38}, {-58, -20}, {-41, -10}, {-59, -28}, {-42, -18},
     {-6, -20}, {11, -10}, {-7, -28}, {10, -18}, {-24, 0}, {-7, 10}, {-25, -8}, {-8, 2}},
    {{-32, -36}, {-15, -26}, {-31, -44}, {-14, -34}, {-50, -16}, {-33, -6}, {-49, -24}, {-32, -14},
     {2, -16}, {19, -6}, {3, -24}, {20, -14}, {-16, 4}, {1, 14}, {-15, -4}, {2, 6}},
    {{-26, -42}, {-9, -32}, {-25, -48}, {-8, -38}, {-44, -22}, {-27, -12}, {-43, -28}, {-26, -18},
     {8, -22}, {25, -12}, {9, -28}, {26, -18}, {-10, -2}, {7, 8}, {-9, -8}, {8, 2}},
};

constexpr coordinate kFishOffsets[4] = {{-30, -44}, {0, -30}, {-53, -24}, {-23, -10}};

// The vegetable block that lies at the food mat's slot g (fish place g).
constexpr int kBlockOfSlot[4] = {0, 2, 1, 3};

// Rock heaps by units: 1-3, 4-6, 7-9, 10 and more. Heaps before the last
// shown are full; the last takes its image from the units.
struct rock_layout {
    int heaps;
    coordinate place[4];
    int firstUnits;  // units that show the last heap's first image
};

constexpr rock_layout kRockLayouts[4] = {
    {1, {{-25, -20}}, 1},
    {2, {{-32, -32}, {-12, -8}}, 4},
    {3, {{-10, -39}, {10, -15}, {-48, -29}}, 7},
    {4, {{-10, -39}, {10, -15}, {-48, -29}, {-28, -5}}, 10},
};

// The first log by the number of logs: 1; 2 to 4; 5 and 6; 7 and more.
constexpr coordinate kFirstLog[4] = {{-25, -20}, {-15, -24}, {-7, -30}, {-15, -42}};

// Every later log lies at an offset from an earlier one's top-left; a log
// that rests on another is drawn just above it.
struct log_place {
    int from;
    coordinate offset;
    int restsOn;  // -1 on the ground
};

constexpr log_place kLogPlaces[12] = {
    {-1, {0, 0}, -1},  {0, {-20, 12}, -1}, {0, {0, -10}, 0},  {1, {0, -10}, 1},
    {1, {-20, 12}, -1}, {4, {0, -10}, 4},  {1, {19, 19}, -1}, {6, {-20, 12}, -1},
    {6, {20, -12}, -1}, {6, {0, -10}, 6},  {7, {0, -10}, 7},  {8, {0, -10}, 8},
};

// With exactly three logs the third lies across the first two instead.
constexpr log_place kThirdOfThreeLogs = {1, {8, -16}, 1};

// Spots by a pile where an islander stands: wood, rock, food.
constexpr coordinate kStandSpots[3][4] = {
    {{20, 10}, {-30, -55}, {-55, 0}, {35, -40}},
    {{20, 10}, {-30, -55}, {-55, 0}, {45, -40}},
    {{-41, -57}, {33, -50}, {37, 4}, {-24, 11}},
};

// Ground blocked under each pile: {x, y, w, h} from the anchor.
struct pile_block {
    int x, y, w, h;
};

constexpr pile_block kPileBlocks[3][2] = {
    {{-40, -20, 65, 45}, {0, 0, 0, 0}},
    {{-28, -18, 65, 45}, {0, 0, 0, 0}},
    {{-35, -20, 65, 45}, {30, -10, 20, 20}},
};

}  // namespace PileLayouts
