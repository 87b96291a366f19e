// Where the potion lab draws each ingredient (screen pixels): its selection
// frame, its picture, its picture in the chosen slot, its button and the
// centre of its count label. Waters and dusts reuse frame and button
// pictures of the main grid.
#pragma once

#include "PotionRecipes.h"
#include "Types.h"

namespace potion_lab_layout {

struct item_layout {
    int frame;  // "scilabGUI_button_selector_%i.png"
    coordinate framePoint;
    coordinate itemPoint;
    coordinate slotPoint;
    coordinate buttonPoint;
    int buttonImages;  // "scilabGUI_button_item_%i_..."
    coordinate countCentre;  // x -1: no count label (unlimited supply)
};

constexpr item_layout kItems[potion_recipes::kIngredients] = {
    {1, {178, 112}, {185, 111}, {409, 217}, {184, 118}, 1, {237, 159}},   // fish
    {2, {245, 111}, {252, 112}, {411, 218}, {250, 117}, 2, {303, 159}},   // wood
    {3, {312, 111}, {318, 115}, {410, 222}, {317, 117}, 3, {371, 159}},   // mushrooms
    {4, {180, 166}, {186, 172}, {409, 225}, {186, 173}, 4, {237, 210}},   // rock
    {5, {244, 166}, {255, 174}, {411, 228}, {250, 172}, 5, {303, 210}},   // vegetables
    {6, {311, 167}, {316, 178}, {410, 231}, {316, 172}, 6, {370, 210}},   // guano
    {7, {178, 219}, {188, 234}, {412, 234}, {184, 225}, 7, {-1, -1}},     // berries
    {8, {246, 219}, {248, 226}, {406, 226}, {251, 225}, 8, {-1, -1}},     // ironwood
    {9, {311, 219}, {318, 227}, {413, 227}, {316, 225}, 9, {371, 261}},   // lodestone
    {5, {177, 289}, {180, 301}, {405, 301}, {183, 295}, 5, {-1, -1}},     // seawater
    {11, {246, 288}, {257, 299}, {414, 299}, {251, 293}, 11, {-1, -1}},   // rainwater
    {4, {313, 287}, {322, 291}, {414, 291}, {319, 294}, 4, {-1, -1}},     // fountainwater
    {9, {180, 359}, {191, 370}, {418, 370}, {185, 366}, 9, {237, 405}},   // stardust
    {14, {244, 359}, {263, 373}, {421, 373}, {249, 364}, 14, {303, 405}}, // moondust
    {7, {311, 359}, {312, 366}, {405, 368}, {317, 365}, 7, {371, 405}},   // goldenrelic
};

// The three slots that show the choice of each group: main, water, dust.
struct slot_layout {
    int heading, none, firstName, placeholder;  // string ids
    coordinate headingCentre;
    coordinate textCentre;  // the no-choice text and the names
    coordinate placeholderCentre;
    RGBA_data headingShadow, textShadow;
};

constexpr slot_layout kSlots[3] = {
    {27400, 27401, 27402, 27420, {550, 228}, {552, 256}, {442, 252}, {44, 32, 34, 0}, {68, 59, 49, 0}},
    {27500, 27501, 27502, 27520, {550, 298}, {552, 326}, {442, 322}, {32, 42, 39, 0}, {60, 53, 44, 0}},
    {27600, 27601, 27602, 27620, {550, 368}, {552, 396}, {442, 392}, {30, 39, 22, 0}, {67, 59, 50, 0}},
};

// The labels over the waters and the dusts, in ingredient order from seawater.
constexpr coordinate kGroupLabels[potion_recipes::kWaters + potion_recipes::kDusts] = {
    {216, 287}, {283, 287}, {348, 287}, {216, 359}, {283, 359}, {348, 359}};

}  // namespace potion_lab_layout
