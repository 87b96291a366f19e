// The five sizes of rock: pictures, stone, markers, depth, the stand points
// of the islanders who break them, shadows and the ground each variant
// blocks. Read by CStone.
#pragma once

#include "Types.h"

constexpr int ROCK_SIZES = 5;
constexpr int ROCK_MAX_VARIANTS = 8;

struct rock_marker {
    const char* image;
    int x, y;  // from the rock's top-left
};

struct rock_kind {
    const char* image;  // "%i": the variant
    int variants;
    int amount;        // stone in a whole rock
    int zLift;         // the rock sorts by foot y - zLift
    float lighten;     // under the mouse
    coordinate stand[2];      // left and right of the foot point
    const char* shadow;       // scenery rocks only; "%i": the variant; null none
    rock_marker marker;       // the medium rock's wide variants use markerWide
    rock_marker markerWide;
    int firstWideVariant;     // variants >= this use markerWide
};

constexpr rock_kind kRockKinds[ROCK_SIZES] = {
    {"rock_large%i.png", 5, 320, 2, 1.15f, {{-88, -45}, {75, -45}}, "rock_large%i_shadow.png",
     {"selector_rocklarge.png", -19, 15}, {"selector_rocklarge.png", -19, 15}, 5},
    {"rock_medium%i.png", 8, 160, 0, 1.25f, {{-68, -39}, {55, -39}}, nullptr,
     {"selector_rocksmall.png", -20, 2}, {"selector_rocklarge.png", -28, 3}, 5},
    {"rock_small%i.png", 3, 80, 0, 1.25f, {{-65, -27}, {54, -27}}, nullptr, {"selector_rocksmall.png", -24, -5},
     {"selector_rocksmall.png", -24, -5}, 3},
    {"rock_bigger%i.png", 1, 640, 2, 1.15f, {{-91, -49}, {75, -49}}, "rock_bigger0_shadow.png",
     {"selector_rockbigger.png", -19, 40}, {"selector_rockbigger.png", -19, 40}, 1},
    {"rock_biggest%i.png", 1, 1600, 2, 1.1f, {{-141, -69}, {125, -69}}, "rock_biggest0_shadow.png",
     {"selector_rockbiggest.png", -25, 80}, {"selector_rockbiggest.png", -25, 80}, 1},
};

// Where a scenery rock's shadow lies from its top-left, by size and variant.
constexpr coordinate kRockShadowOffsets[ROCK_SIZES][ROCK_MAX_VARIANTS] = {
    {{2, 32}, {0, 32}, {1, 34}, {1, 39}, {0, 34}},
    {},
    {},
    {{3, 64}},
    {{12, 133}},
};

struct rock_block {
    int x, y, w, h;  // from the rock's top-left
};

// The ground each variant blocks: one rectangle, two for the biggest rock.
struct rock_blocks {
    int count;
    rock_block block[2];
};

constexpr rock_blocks kRockBlocks[ROCK_SIZES][ROCK_MAX_VARIANTS] = {
    {{1, {{2, 27, 61, 24}}},
     {1, {{2, 30, 58, 22}}},
     {1, {{2, 30, 63, 22}}},
     {1, {{2, 32, 63, 18}}},
     {1, {{3, 30, 63, 22}}}},
    {{1, {{2, 13, 31, 11}}},
     {1, {{2, 15, 30, 11}}},
     {1, {{2, 14, 32, 11}}},
     {1, {{2, 14, 32, 11}}},
     {1, {{2, 14, 34, 10}}},
     {1, {{2, 19, 44, 16}}},
     {1, {{2, 22, 44, 16}}},
     {1, {{2, 21, 44, 16}}}},
    {{1, {{2, 8, 23, 9}}}, {1, {{2, 9, 23, 9}}}, {1, {{2, 11, 23, 8}}}},
    {{1, {{4, 55, 87, 36}}}},
    {{2, {{3, 116, 179, 55}, {23, 50, 141, 66}}}},
};
