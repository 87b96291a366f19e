// The 25 trophies as the trophy room and the trophy pop-up draw them, by
// trophy index (bit i of the held-trophies word): the name that makes up the
// picture's file name, the letter of the disc behind it, and where disc and
// picture stand in the room's cabinet and on the pop-up's panel.
#pragma once

#include "Types.h"

constexpr int kTrophyCount = 25;

struct trophy_data {
    const char* name;    // picture "trophies_tr_<name>.png"
    char disc;           // disc "trophies_disc<letter>_base.png"
    coordinate roomDisc;
    coordinate roomPicture;
    coordinate popUpPicture;  // before the pop-up's tutorial offset
};

constexpr trophy_data kTrophyLooks[kTrophyCount] = {
    {"buddingbuilder", 'F', {354, 247}, {348, 250}, {349, 204}},
    {"celestialwonder", 'B', {7, 164}, {12, 166}, {360, 203}},
    {"explorerextraordinaire", 'A', {354, 483}, {360, 479}, {361, 197}},
    {"fashionpassion", 'D', {459, 202}, {461, 192}, {357, 191}},
    {"forestparadise", 'E', {352, 354}, {364, 354}, {367, 201}},
    {"fullmoon", 'C', {614, 95}, {626, 84}, {367, 190}},
    {"growingtarrow", 'B', {559, 438}, {578, 444}, {374, 207}},
    {"livinglegend", 'A', {698, 164}, {700, 165}, {357, 202}},
    {"lunarwonder", 'C', {478, 308}, {485, 311}, {362, 204}},
    {"masterofmystery", 'F', {687, 16}, {689, 9}, {357, 194}},
    {"methuselah", 'B', {698, 288}, {707, 286}, {364, 199}},
    {"mysterymaestro", 'E', {7, 286}, {10, 282}, {358, 197}},
    {"mysterymagician", 'D', {146, 435}, {150, 431}, {359, 197}},
    {"mysterymagnate", 'C', {90, 94}, {93, 86}, {358, 193}},
    {"mysterymastermind", 'E', {677, 401}, {682, 397}, {360, 197}},
    {"mysterymaven", 'E', {594, 221}, {597, 216}, {358, 196}},
    {"mysterymiracleworker", 'A', {456, 414}, {458, 407}, {357, 194}},
    {"mysterymogul", 'C', {243, 203}, {247, 193}, {359, 191}},
    {"powerfultarrow", 'F', {28, 403}, {38, 406}, {365, 204}},
    {"proudparent", 'F', {592, 331}, {603, 332}, {366, 202}},
    {"starpower", 'B', {225, 309}, {223, 294}, {353, 186}},
    {"supergenius", 'F', {252, 415}, {272, 413}, {375, 199}},
    {"superhero", 'A', {113, 331}, {96, 333}, {338, 203}},
    {"voyager", 'D', {111, 222}, {124, 229}, {368, 208}},
    {"tremendoustarrow", 'A', {19, 16}, {33, 27}, {369, 212}},
};
