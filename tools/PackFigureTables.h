// Where the game puts each islander layer, so that the pictures are drawn to
// meet there: body drawing offsets, head positions for the working and baby
// frames, shadow offsets, tool offsets and garment offsets, all relative to
// the islander's drawing position, plus the picture sizes the drawing relies
// on (heads, shadows). The game's islander code holds the same numbers.
#pragma once

struct figure_offset {
    int x;
    int y;
};

// Body drawing offsets by direction NE, SE, SW, NW ([male][set]; hack and hoe
// hold SE and SW only, the others are unused).
constexpr figure_offset kAdultBodyOffsets[2][5][4] = {
    {{{6, 3}, {6, 2}, {3, 1}, {0, 3}},
     {{4, 1}, {0, 0}, {0, 0}, {-3, 2}},
     {{5, 3}, {0, 0}, {0, 0}, {-4, 3}},
     {{0, 0}, {-14, 2}, {-4, 2}, {0, 0}},
     {{0, 0}, {6, 2}, {-33, 1}, {0, 0}}},
    {{{3, 4}, {2, 3}, {1, 3}, {-4, 4}},
     {{-2, 4}, {-4, 2}, {0, 1}, {-7, 4}},
     {{2, 4}, {-2, 2}, {-1, 2}, {-5, 3}},
     {{0, 0}, {-17, -1}, {-11, -2}, {0, 0}},
     {{0, 0}, {5, 0}, {-33, -1}, {0, 0}}},
};
constexpr figure_offset kBabyBodyOffsets[2][4] = {
    {{5, 35}, {6, 35}, {5, 35}, {3, 35}},
    {{0, 35}, {0, 35}, {0, 35}, {0, 35}},
};
// One kid body serves boys and girls; it is drawn where a boy's is shown.
constexpr figure_offset kKidBodyOffsets[2][4] = {
    {{4, 18}, {5, 18}, {1, 18}, {1, 18}},
    {{0, 19}, {-1, 18}, {0, 18}, {-4, 19}},
};

// Ground shadow offsets from the body's drawing position ([set] by
// direction); the hack row is the hack shadow's.
constexpr figure_offset kAdultShadowOffsets[2][5][4] = {
    {{{-5, 46}, {-6, 48}, {-6, 48}, {-4, 46}},
     {{-1, 49}, {-1, 49}, {-3, 49}, {0, 48}},
     {{-2, 47}, {-2, 49}, {-3, 49}, {1, 47}},
     {{1, 43}, {5, 43}, {1, 43}, {1, 43}},
     {{35, 43}, {-4, 44}, {35, 43}, {35, 43}}},
    {{{-5, 46}, {-4, 46}, {-6, 45}, {-1, 46}},
     {{3, 42}, {0, 44}, {-2, 45}, {3, 44}},
     {{-1, 45}, {-1, 44}, {0, 45}, {0, 44}},
     {{7, 48}, {10, 46}, {7, 48}, {7, 48}},
     {{30, 40}, {3, 41}, {30, 40}, {30, 40}}},
};
constexpr figure_offset kKidShadowOffsets[2][4] = {
    {{-5, 36}, {-5, 34}, {-4, 35}, {-6, 36}},
    {{0, 28}, {-2, 31}, {-2, 32}, {1, 31}},
};
constexpr figure_offset kBabyShadowOffsets[2][4] = {
    {{-5, 18}, {-4, 18}, {-5, 19}, {-1, 19}},
    {{0, 18}, {3, 19}, {0, 18}, {2, 17}},
};

// Shadow picture sizes: baby, child, adult, a man's and a woman's hack shadow.
constexpr figure_offset kShadowSizes[5] = {{26, 8}, {26, 10}, {34, 12}, {44, 14}, {46, 14}};

// Head pictures: adults 20 x 22 with the head's middle at (10, 11), babies
// 22 x 20 with it at (11, 10). Hair pictures lie at the head's position plus
// (-3, -5) for a man and (-10, -8) for a woman.
constexpr figure_offset kAdultHeadSize = {20, 22};
constexpr figure_offset kBabyHeadSize = {22, 20};
constexpr figure_offset kHairOffsets[2] = {{-10, -8}, {-3, -5}};
constexpr figure_offset kAdultHeadOffsets[2] = {{5, -18}, {5, -14}};
constexpr figure_offset kKidHeadOffsets[2] = {{1, -2}, {3, 0}};

// Head positions by frame while hoeing ([male][frame] SW then SE, before the
// lift of 26 for a man and 28 for a woman) and hacking (before the shift in
// kHackHeadShift).
constexpr figure_offset kHoeHead[2][9][2] = {
    {{{3, 10}, {14, 11}}, {{0, 13}, {18, 13}}, {{-3, 16}, {22, 17}}, {{-7, 19}, {26, 20}}, {{-6, 18}, {23, 18}},
     {{-4, 16}, {21, 16}}, {{-1, 14}, {19, 14}}, {{2, 12}, {17, 13}}, {{3, 10}, {14, 11}}},
    {{{1, 9}, {15, 10}}, {{0, 9}, {16, 10}}, {{-5, 12}, {21, 13}}, {{-11, 14}, {27, 15}}, {{-9, 13}, {25, 14}},
     {{-7, 13}, {23, 14}}, {{-4, 11}, {20, 12}}, {{-1, 10}, {17, 11}}, {{1, 9}, {15, 10}}},
};
constexpr int kHoeHeadLift[2] = {28, 26};
constexpr figure_offset kHackHead[2][9][2] = {
    {{{11, 8}, {20, 8}}, {{11, 9}, {20, 9}}, {{11, 9}, {20, 9}}, {{10, 9}, {21, 9}}, {{8, 10}, {23, 10}},
     {{9, 10}, {22, 10}}, {{10, 8}, {21, 8}}, {{11, 8}, {20, 8}}, {{11, 8}, {20, 8}}},
    {{{18, 8}, {21, 8}}, {{18, 9}, {21, 9}}, {{18, 10}, {21, 9}}, {{18, 10}, {21, 10}}, {{13, 14}, {26, 14}},
     {{16, 14}, {23, 14}}, {{17, 12}, {22, 12}}, {{18, 10}, {21, 10}}, {{18, 8}, {21, 8}}},
};
constexpr figure_offset kHackHeadShift[2][2] = {{{-3, -25}, {-13, -24}}, {{-10, -23}, {-16, -22}}};

// Baby heads: standing, added to the adult head offset by direction; walking,
// replacing it by frame and direction.
constexpr figure_offset kBabyStandHead[2][4] = {
    {{0, 37}, {0, 37}, {0, 37}, {1, 37}},
    {{0, 35}, {0, 35}, {0, 35}, {1, 34}},
};
constexpr figure_offset kBabyWalkHead[16][4] = {
    {{5, 20}, {6, 20}, {4, 20}, {6, 20}}, {{5, 20}, {6, 20}, {4, 20}, {6, 20}}, {{5, 19}, {6, 20}, {4, 20}, {6, 19}},
    {{5, 19}, {6, 20}, {4, 20}, {6, 19}}, {{5, 19}, {6, 20}, {4, 20}, {6, 19}}, {{6, 20}, {6, 20}, {4, 20}, {5, 20}},
    {{5, 20}, {7, 21}, {3, 21}, {6, 20}}, {{4, 20}, {7, 21}, {3, 21}, {7, 20}}, {{5, 20}, {7, 21}, {3, 21}, {6, 20}},
    {{6, 19}, {5, 20}, {5, 20}, {5, 19}}, {{6, 19}, {5, 20}, {5, 20}, {5, 19}}, {{7, 19}, {4, 20}, {6, 20}, {4, 19}},
    {{6, 19}, {4, 20}, {6, 20}, {5, 19}}, {{5, 19}, {5, 20}, {5, 20}, {6, 19}}, {{5, 19}, {5, 20}, {5, 20}, {6, 19}},
    {{5, 19}, {6, 20}, {4, 20}, {6, 19}},
};

// Tool offsets ([male][tool] SE then SW): stick, axe, pickaxe, hammer.
constexpr figure_offset kToolOffsets[2][4][2] = {
    {{{-24, -23}, {-21, -22}}, {{-31, -29}, {-32, -28}}, {{-30, -31}, {-36, -31}}, {{-36, -34}, {-30, -33}}},
    {{{-32, -27}, {-29, -27}}, {{-32, -27}, {-29, -27}}, {{-32, -27}, {-29, -27}}, {{-32, -27}, {-29, -27}}},
};

// Walk frames on which the left foot is planted, by direction: adults
// ([male]), kids and babies. The right foot lands half a cycle later.
constexpr int kLeftStepFrames[2][4] = {{9, 8, 3, 4}, {4, 8, 3, 9}};
constexpr int kKidLeftStepFrames[4] = {3, 6, 1, 8};
constexpr int kBabyLeftStepFrames[4] = {10, 2, 10, 2};

// Adult garment offsets from the body for walk, carry, hack and hoe
// ([male][top][style class][set - walk][direction]); stand garments lie on
// the body. Every garment not set here lies on the body too.
constexpr figure_offset kGarmentOffsets[2][2][3][4][4] = {
    {},
    {
        // a man's bottoms
        {{{{3, 18}, {6, 21}, {3, 21}, {6, 18}}, {}, {{0, 0}, {13, 26}, {14, 25}, {0, 0}}, {}},
         {{{3, 19}, {3, 19}, {3, 19}, {4, 20}}, {}, {}, {}},
         {{{2, 17}, {0, 22}, {2, 22}, {3, 18}}, {}, {}, {}}},
        // a man's tops
        {{{{2, 3}, {4, 4}, {4, 4}, {9, 3}}, {}, {{0, 0}, {17, 8}, {16, 7}, {0, 0}}, {}},
         {{{-1, 3}, {0, 2}, {0, 2}, {1, 3}}, {}, {}, {}},
         {{{-1, 2}, {2, 3}, {3, 3}, {7, 2}}, {}, {}, {}}},
    },
};

// Baby walking garments from the body ([top] by direction); standing ones
// lie on the body.
constexpr figure_offset kBabyGarmentOffsets[2][4] = {
    {{6, 11}, {9, 11}, {7, 11}, {9, 11}},
    {{9, 3}, {10, 4}, {9, 4}, {10, 3}},
};
