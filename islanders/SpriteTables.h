// The islander's picture tables: image name parts, drawing offsets of every
// body, tool, garment and carried good, head positions in the working and
// baby poses, and the frame shift that keeps a walk in step when it turns.
// The pack builder draws the pictures to meet at these same numbers.
#pragma once

#include "PersonSprites.h"

namespace sprite_tables {

struct offset {
    int x, y;
};

constexpr const char* kDirectionWords[kDirections] = {"NE", "SE", "SW", "NW"};
// In the order of the face numbers: 0 smile, 1 neutral, 2 angry, 3 frown,
// 4 surprised, 5 worried.
constexpr const char* kFaceWords[kFaces] = {"smile", "neutral", "angry", "frown", "surprised", "worried"};
constexpr int kSmileFace = 0, kNeutralFace = 1;
constexpr const char* kToolWords[4] = {"stick", "axe", "pickaxe", "hammer"};
constexpr const char* kGoodWords[kCarriedGoods] = {"wood", "rock", "fish", "vegetable0", "vegetable1", "vegetable2"};

// Adult body sets by [female][direction]; the working sets use SE and SW.
enum adult_set { SET_STAND, SET_WALK, SET_CARRY, SET_HOE, SET_HACK };
constexpr offset kAdultBodyOffsets[2][5][kDirections] = {
    {{{3, 4}, {2, 3}, {1, 3}, {-4, 4}},
     {{-2, 4}, {-4, 2}, {0, 1}, {-7, 4}},
     {{2, 4}, {-2, 2}, {-1, 2}, {-5, 3}},
     {{0, 0}, {5, 0}, {-33, -1}, {0, 0}},
     {{0, 0}, {-17, -1}, {-11, -2}, {0, 0}}},
    {{{6, 3}, {6, 2}, {3, 1}, {0, 3}},
     {{4, 1}, {0, 0}, {0, 0}, {-3, 2}},
     {{5, 3}, {0, 0}, {0, 0}, {-4, 3}},
     {{0, 0}, {6, 2}, {-33, 1}, {0, 0}},
     {{0, 0}, {-14, 2}, {-4, 2}, {0, 0}}},
};
// Tools by [female][stick, axe, pickaxe, hammer][SE, SW].
constexpr offset kToolOffsets[2][4][2] = {
    {{{-32, -27}, {-29, -27}}, {{-32, -27}, {-29, -27}}, {{-32, -27}, {-29, -27}}, {{-32, -27}, {-29, -27}}},
    {{{-24, -23}, {-21, -22}}, {{-31, -29}, {-32, -28}}, {{-30, -31}, {-36, -31}}, {{-36, -34}, {-30, -33}}},
};
constexpr offset kHeadOffsets[2] = {{5, -14}, {5, -18}};
// The hair picture from the head picture, by [female].
constexpr offset kHairOffsets[2] = {{-3, -5}, {-10, -8}};

// Carried goods by [female][good][direction].
constexpr offset kGoodOffsets[2][kCarriedGoods][kDirections] = {
    {{{2, -6}, {4, 7}, {-2, 7}, {-3, -6}},
     {{10, -5}, {8, 4}, {-3, 5}, {-5, -5}},
     {{3, -6}, {4, 4}, {-6, 7}, {-5, -7}},
     {{-1, 5}, {-1, 11}, {-2, 13}, {-12, 3}},
     {{12, 3}, {12, 9}, {-4, 9}, {-2, 3}},
     {{16, -2}, {17, 8}, {1, 8}, {-1, -1}}},
    {{{1, -5}, {2, 6}, {-1, 7}, {-2, -5}},
     {{3, -3}, {8, 5}, {-3, 5}, {3, -3}},
     {{4, -8}, {3, 6}, {-7, 7}, {1, -8}},
     {{3, 4}, {-1, 10}, {-2, 13}, {-9, 4}},
     {{8, 1}, {12, 8}, {-2, 8}, {0, 3}},
     {{16, -1}, {18, 7}, {0, 7}, {3, -1}}},
};

constexpr offset kBabyWalkOffsets[kDirections] = {{0, 35}, {0, 35}, {0, 35}, {0, 35}};
constexpr offset kBabyStandOffsets[kDirections] = {{5, 35}, {6, 35}, {5, 35}, {3, 35}};
constexpr offset kKidWalkOffsets[2][kDirections] = {{{0, 19}, {-1, 18}, {0, 18}, {-4, 19}},
                                                    {{-1, 19}, {-1, 19}, {0, 19}, {-4, 19}}};
constexpr offset kKidStandOffsets[2][kDirections] = {{{4, 18}, {5, 18}, {1, 18}, {1, 18}},
                                                     {{3, 19}, {4, 19}, {0, 19}, {1, 19}}};
// Baby walking garments by [top][direction]; standing ones lie on the body.
constexpr offset kBabyGarmentOffsets[2][kDirections] = {{{6, 11}, {9, 11}, {7, 11}, {9, 11}},
                                                        {{9, 3}, {10, 4}, {9, 4}, {10, 3}}};

// Adult garments moving with the body, by [female][top][style 0, 1, other]
// [walk, carry, hack, hoe][direction]. Only a man's walk and style-0 hack
// clothes sit apart from their body; the pictures of all others are drawn on
// the body's own frame.
constexpr offset kGarmentOffsets[2][2][3][4][kDirections] = {
    {
        {{{{3, 18}, {6, 21}, {3, 21}, {6, 18}}, {}, {{0, 0}, {13, 26}, {14, 25}, {0, 0}}, {}},
         {{{3, 19}, {3, 19}, {3, 19}, {4, 20}}, {}, {}, {}},
         {{{2, 17}, {0, 22}, {2, 22}, {3, 18}}, {}, {}, {}}},
        {{{{2, 3}, {4, 4}, {4, 4}, {9, 3}}, {}, {{0, 0}, {17, 8}, {16, 7}, {0, 0}}, {}},
         {{{-1, 3}, {0, 2}, {0, 2}, {1, 3}}, {}, {}, {}},
         {{{-1, 2}, {2, 3}, {3, 3}, {7, 2}}, {}, {}, {}}},
    },
    {},
};

// Selection rings by stage: baby, kid, man, woman.
constexpr offset kRingOffsets[4] = {{-24, 5}, {-24, 23}, {-21, 36}, {-19, 36}};

// Image shift when turning, by [baby, kid, man, woman][from][to].
constexpr int kTurnShift[4][kDirections][kDirections] = {
    {{0, 8, 0, 8}, {-8, 0, -8, 0}, {0, 8, 0, 8}, {-8, 0, -8, 0}},
    {{0, -7, -2, -5}, {7, 0, 5, 2}, {2, -5, 0, -3}, {5, -2, 3, 0}},
    {{0, -6, -1, -5}, {6, 0, 5, 1}, {1, -5, 0, -4}, {5, -1, 4, 0}},
    {{0, -1, 4, 5}, {1, 0, 5, 6}, {-4, -5, 0, 1}, {-5, -6, -1, 0}},
};

// Head positions: a walking baby's by [image][direction]; the hoe and hack
// poses by [image][man SW, man SE, woman SW, woman SE], then lifted or shifted.
constexpr offset kBabyWalkHead[16][kDirections] = {
    {{5, 20}, {6, 20}, {4, 20}, {6, 20}}, {{5, 20}, {6, 20}, {4, 20}, {6, 20}}, {{5, 19}, {6, 20}, {4, 20}, {6, 19}},
    {{5, 19}, {6, 20}, {4, 20}, {6, 19}}, {{5, 19}, {6, 20}, {4, 20}, {6, 19}}, {{6, 20}, {6, 20}, {4, 20}, {5, 20}},
    {{5, 20}, {7, 21}, {3, 21}, {6, 20}}, {{4, 20}, {7, 21}, {3, 21}, {7, 20}}, {{5, 20}, {7, 21}, {3, 21}, {6, 20}},
    {{6, 19}, {5, 20}, {5, 20}, {5, 19}}, {{6, 19}, {5, 20}, {5, 20}, {5, 19}}, {{7, 19}, {4, 20}, {6, 20}, {4, 19}},
    {{6, 19}, {4, 20}, {6, 20}, {5, 19}}, {{5, 19}, {5, 20}, {5, 20}, {6, 19}}, {{5, 19}, {5, 20}, {5, 20}, {6, 19}},
    {{5, 19}, {6, 20}, {4, 20}, {6, 19}},
};
constexpr offset kHoeHead[9][4] = {
    {{1, 9}, {15, 10}, {3, 10}, {14, 11}},     {{0, 9}, {16, 10}, {0, 13}, {18, 13}},
    {{-5, 12}, {21, 13}, {-3, 16}, {22, 17}},  {{-11, 14}, {27, 15}, {-7, 19}, {26, 20}},
    {{-9, 13}, {25, 14}, {-6, 18}, {23, 18}},  {{-7, 13}, {23, 14}, {-4, 16}, {21, 16}},
    {{-4, 11}, {20, 12}, {-1, 14}, {19, 14}},  {{-1, 10}, {17, 11}, {2, 12}, {17, 13}},
    {{1, 9}, {15, 10}, {1, 9}, {15, 10}},
};
constexpr int kHoeHeadLift[2] = {26, 28};
constexpr offset kHackHead[9][4] = {
    {{18, 8}, {21, 8}, {11, 8}, {20, 8}},    {{18, 9}, {21, 9}, {11, 9}, {20, 9}},
    {{18, 10}, {21, 9}, {11, 9}, {20, 9}},   {{18, 10}, {21, 10}, {10, 9}, {21, 9}},
    {{13, 14}, {26, 14}, {8, 10}, {23, 10}}, {{16, 14}, {23, 14}, {9, 10}, {22, 10}},
    {{17, 12}, {22, 12}, {10, 8}, {21, 8}},  {{18, 10}, {21, 10}, {11, 8}, {20, 8}},
    {{18, 8}, {21, 8}, {18, 8}, {21, 8}},
};
constexpr offset kHackHeadShift[4] = {{-10, -23}, {-16, -22}, {-3, -25}, {-13, -24}};

}  // namespace sprite_tables
