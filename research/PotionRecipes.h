// The potion lab's tables: the fifteen ingredients and where their supply
// comes from, the recipe of each of the 51 potions, and the colours of the
// flask and of the mist for a choice. Colours are words with r in the lowest
// byte, then g, then b, as RGBA_data lies in memory; alpha stays 0.
#pragma once

#include <cstdint>

namespace potion_recipes {

constexpr int kMains = 9, kWaters = 3, kDusts = 3;
constexpr int kIngredients = kMains + kWaters + kDusts;
constexpr int kFirstWater = kMains, kFirstDust = kMains + kWaters;
constexpr int kPotions = 51;
// A count that stands for a supply that never runs out.
constexpr int kUnlimited = 80808;

// Where an ingredient's count comes from and how a mix uses it up.
enum class Supply {
    Food,          // food kind arg of the stock, one unit taken
    Vegetables,    // food kinds 1 to 3 together, one unit of the first that has one
    Wood,
    Rock,
    Find,          // int profile property arg, lowered by one
    Mystery,       // unlimited once mystery arg is solved, never taken
    MysteryStage,  // unlimited once the mystery progress holds bit arg, never taken
    Sea,           // always unlimited, never taken
    Rain,          // unlimited while it rains, never taken
    Stardust,
    Moondust,
};

struct ingredient_data {
    const char* name;  // the word in the ingredient's picture names
    Supply supply;
    int arg;
};

constexpr ingredient_data kIngredientTable[kIngredients] = {
    {"fish", Supply::Food, 0},
    {"wood", Supply::Wood, 0},
    {"mushrooms", Supply::Find, 42},
    {"rock", Supply::Rock, 0},
    {"vegetables", Supply::Vegetables, 0},
    {"guano", Supply::Find, 41},
    {"berries", Supply::Mystery, 1},
    {"ironwood", Supply::Mystery, 4},
    {"lodestone", Supply::Find, 44},
    {"seawater", Supply::Sea, 0},
    {"rainwater", Supply::Rain, 0},
    {"fountainwater", Supply::MysteryStage, 2048},
    {"stardust", Supply::Stardust, 0},
    {"moondust", Supply::Moondust, 0},
    {"goldenrelic", Supply::Find, 45},
};

// Potion number by main ingredient and water x 3 + dust; 0 is no potion.
constexpr int kRecipes[kMains][kWaters * kDusts] = {
    {1, 0, 0, 10, 11, 0, 23, 0, 19},     // fish
    {5, 50, 25, 0, 0, 22, 0, 0, 0},      // wood
    {3, 37, 40, 38, 39, 41, 42, 43, 20}, // mushrooms
    {16, 49, 24, 51, 0, 21, 0, 0, 0},    // rock
    {9, 0, 44, 0, 18, 28, 46, 0, 45},    // vegetables
    {2, 0, 0, 12, 0, 0, 0, 26, 27},      // guano
    {8, 33, 29, 34, 15, 32, 35, 36, 31}, // berries
    {14, 47, 0, 48, 13, 0, 0, 0, 0},     // ironwood
    {7, 6, 0, 17, 4, 0, 0, 0, 30},       // lodestone
};

constexpr uint32_t Rgb(int r, int g, int b)
{
    return static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b) << 16;
}

// Flask colour by water, main ingredient + 1 (0 none) and dust + 1 (0 none).
constexpr uint32_t kFlaskColours[kWaters][kMains + 1][kDusts + 1] = {
    {
        // seawater
        {Rgb(137, 180, 164), Rgb(131, 187, 131), Rgb(131, 168, 182), Rgb(164, 187, 124)},
        {Rgb(114, 196, 118), Rgb(198, 192, 107), Rgb(113, 170, 191), Rgb(198, 127, 107)},
        {Rgb(143, 121, 200), Rgb(121, 198, 201), Rgb(207, 120, 162), Rgb(121, 206, 142)},
        {Rgb(200, 188, 97), Rgb(201, 96, 124), Rgb(96, 201, 104), Rgb(196, 96, 200)},
        {Rgb(201, 132, 166), Rgb(155, 131, 200), Rgb(201, 179, 130), Rgb(131, 161, 200)},
        {Rgb(230, 136, 94), Rgb(231, 92, 210), Rgb(158, 219, 96), Rgb(144, 92, 230)},
        {Rgb(186, 206, 205), Rgb(169, 197, 164), Rgb(190, 186, 205), Rgb(207, 208, 188)},
        {Rgb(228, 114, 95), Rgb(225, 93, 228), Rgb(168, 206, 97), Rgb(121, 93, 228)},
        {Rgb(144, 113, 80), Rgb(144, 79, 120), Rgb(98, 144, 79), Rgb(117, 79, 143)},
        {Rgb(118, 146, 196), Rgb(117, 198, 156), Rgb(186, 117, 197), Rgb(140, 198, 116)},
    },
    {
        // rainwater
        {Rgb(131, 173, 189), Rgb(121, 203, 173), Rgb(121, 130, 198), Rgb(122, 203, 115)},
        {Rgb(104, 206, 118), Rgb(204, 207, 97), Rgb(103, 165, 201), Rgb(208, 129, 97)},
        {Rgb(172, 108, 218), Rgb(109, 179, 219), Rgb(225, 107, 132), Rgb(119, 213, 171)},
        {Rgb(186, 206, 86), Rgb(208, 92, 85), Rgb(96, 202, 130), Rgb(208, 90, 173)},
        {Rgb(210, 121, 134), Rgb(177, 120, 204), Rgb(211, 208, 115), Rgb(121, 133, 204)},
        {Rgb(240, 181, 79), Rgb(241, 82, 160), Rgb(112, 205, 87), Rgb(193, 82, 234)},
        {Rgb(179, 188, 198), Rgb(184, 216, 192), Rgb(201, 179, 200), Rgb(188, 205, 174)},
        {Rgb(241, 128, 74), Rgb(242, 78, 213), Rgb(140, 204, 71), Rgb(140, 78, 236)},
        {Rgb(151, 134, 69), Rgb(152, 73, 97), Rgb(75, 151, 68), Rgb(141, 73, 145)},
        {Rgb(115, 105, 203), Rgb(106, 209, 195), Rgb(211, 105, 174), Rgb(106, 209, 115)},
    },
    {
        // fountainwater
        {Rgb(128, 186, 191), Rgb(123, 200, 160), Rgb(123, 143, 195), Rgb(137, 200, 117)},
        {Rgb(100, 216, 98), Rgb(219, 202, 91), Rgb(98, 188, 212), Rgb(219, 109, 91)},
        {Rgb(160, 105, 220), Rgb(205, 192, 221), Rgb(228, 104, 142), Rgb(117, 215, 160)},
        {Rgb(209, 194, 82), Rgb(210, 86, 115), Rgb(87, 208, 91), Rgb(204, 86, 203)},
        {Rgb(209, 123, 137), Rgb(175, 122, 203), Rgb(210, 205, 117), Rgb(123, 136, 203)},
        {Rgb(239, 156, 80), Rgb(240, 83, 186), Rgb(140, 225, 90), Rgb(239, 156, 80)},
        {Rgb(178, 192, 199), Rgb(194, 216, 193), Rgb(195, 176, 199), Rgb(191, 204, 171)},
        {Rgb(242, 120, 74), Rgb(242, 79, 221), Rgb(167, 223, 91), Rgb(132, 79, 236)},
        {Rgb(153, 121, 67), Rgb(154, 71, 111), Rgb(88, 152, 66), Rgb(128, 71, 147)},
        {Rgb(103, 115, 208), Rgb(109, 207, 173), Rgb(215, 100, 200), Rgb(108, 214, 95)},
    },
};

constexpr int kMistPairs = 15;
// The two mist colours of pairs 1 to 15 (row 0 is pair 1).
constexpr uint32_t kMistColours[kMistPairs][2] = {
    {Rgb(255, 215, 138), Rgb(146, 108, 0)},  {Rgb(255, 175, 92), Rgb(84, 47, 0)},
    {Rgb(247, 207, 195), Rgb(192, 55, 115)}, {Rgb(198, 233, 251), Rgb(0, 112, 149)},
    {Rgb(245, 189, 214), Rgb(166, 0, 189)},  {Rgb(193, 246, 208), Rgb(0, 149, 78)},
    {Rgb(237, 206, 220), Rgb(161, 75, 173)}, {Rgb(204, 246, 193), Rgb(0, 149, 7)},
    {Rgb(238, 196, 237), Rgb(74, 19, 170)},  {Rgb(255, 255, 255), Rgb(45, 81, 106)},
    {Rgb(194, 214, 255), Rgb(0, 59, 149)},   {Rgb(197, 244, 183), Rgb(0, 129, 2)},
    {Rgb(246, 255, 117), Rgb(62, 90, 0)},    {Rgb(255, 153, 110), Rgb(116, 3, 0)},
    {Rgb(255, 255, 114), Rgb(98, 92, 0)},
};

// Mist pair (1 to 15) by main ingredient and water x 3 + dust.
constexpr int kMistPairOf[kMains][kWaters * kDusts] = {
    {1, 2, 3, 13, 4, 2, 1, 4, 14},   // fish
    {4, 5, 6, 4, 5, 6, 4, 5, 6},     // wood
    {5, 6, 5, 14, 6, 5, 14, 8, 5},   // mushrooms
    {7, 1, 4, 7, 15, 11, 7, 1, 11},  // rock
    {5, 8, 9, 5, 8, 7, 5, 8, 2},     // vegetables
    {10, 10, 10, 10, 10, 10, 10, 10, 10},  // guano
    {5, 8, 11, 5, 8, 9, 5, 8, 9},    // berries
    {9, 12, 9, 5, 12, 9, 5, 12, 9},  // ironwood
    {6, 7, 8, 4, 3, 8, 4, 5, 8},     // lodestone
};

}  // namespace potion_recipes
