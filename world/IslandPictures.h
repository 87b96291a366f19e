// Where the small pictures of trees and rocks lie on the island's pictures
// shrunk by 8 (the chooser's preview and the mini-map), from the object's
// foot point divided by 8. Read by the island's preview and its mini-map.
#pragma once

#include "Types.h"

// Where a tree's trunk picture lies from its foot, by size and trunk style.
constexpr coordinate kTrunkPictures[3][7] = {
    {{-3, -28}, {-3, -28}, {-3, -28}, {-3, -28}, {-3, -28}, {-13, -29}, {-3, -30}},
    {{-3, -21}, {-3, -21}, {-3, -21}, {-3, -21}, {-3, -21}},
    {{-3, -15}, {-3, -15}, {-3, -15}, {-3, -15}, {-3, -15}},
};
// A scenery tree's shadow on the preview, from its trunk picture.
constexpr coordinate kTreeShadowPictures[3][7] = {
    {{0, 26}, {1, 26}, {0, 26}, {1, 26}, {1, 26}, {13, 26}, {0, 27}},
    {{0, 19}, {1, 19}, {0, 20}, {1, 20}, {1, 20}},
    {{0, 13}, {1, 13}, {0, 14}, {1, 14}, {1, 14}},
};
// The same on the mini-map, which lays every big tree's shadow on one row,
// the tallest trunk's too: only that entry differs from the preview's.
constexpr coordinate kMiniMapTreeShadowPictures[3][7] = {
    {{0, 26}, {1, 26}, {0, 26}, {1, 26}, {1, 26}, {13, 26}, {0, 26}},
    {{0, 19}, {1, 19}, {0, 20}, {1, 20}, {1, 20}},
    {{0, 13}, {1, 13}, {0, 14}, {1, 14}, {1, 14}},
};
// The crown, from the trunk picture for the big trees and from the foot for
// the others.
constexpr coordinate kLeafPictures[3][7] = {
    {{-10, -6}, {-10, -6}, {-10, -6}, {-10, -6}, {-10, -6}, {-11, -5}, {-2, -5}},
    {{-10, -26}, {-10, -26}, {-10, -26}, {-10, -26}, {-10, -26}},
    {{-9, -20}, {-9, -20}, {-9, -20}, {-9, -20}, {-9, -20}},
};

struct rock_picture {
    const char* image;  // "%i": the rock's variant
    coordinate at;      // from the foot
    const char* shadow;
    coordinate shadowAt;  // from the picture
};

// By rock size: large, medium, small, bigger, biggest.
constexpr rock_picture kRockPictures[5] = {
    {"rock_large%i.png", {-4, -8}, "rock_large%i_shadow.png", {0, 4}},
    {"rock_medium%i.png", {-2, -4}, nullptr, {0, 0}},
    {"rock_small%i.png", {-1, -2}, nullptr, {0, 0}},
    {"rock_bigger%i.png", {-5, -12}, "rock_bigger0_shadow.png", {0, 8}},
    {"rock_biggest%i.png", {-11, -23}, "rock_biggest0_shadow.png", {1, 16}},
};
