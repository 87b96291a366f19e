// The numbers of the three storehouses: marker, names, side-panel pictures,
// stand points, grass points, obstruction boxes and ghost footprints.
#pragma once

#include "CBuildingKind.h"

constexpr int STOREHOUSE_DEPTH_LIFT = 70;

constexpr building_look kFoodStorehouseLook = {
    STOREHOUSE_DEPTH_LIFT, "selector_storehouses-observ.png", -28, 116, 2818, "sidebar_item_storefood.png",
    {{170, 200, 2}, {0, 160, 1}, {215, 130, 2}, {60, 100, 1}}, 4,
    {{29, 213}, {60, 252}, {81, 265}, {102, 298}, {118, 267}}, 5,
    {{35, 0, 0, 145, 0, 1, 50}, {35, 1, 0, 115, 0, 1, 110}, {35, 0, 1, 140, 0, 1, 60}},
    {{30, 0, 0, 145, 5, 1, 70}, {35, 1, 0, 115, 0, 1, 130}, {35, 0, 1, 140, 5, 1, 80}}, 3,
    {{25, 100, 175, 100}, {40, 200, 135, 65}}, 2,
};

constexpr building_look kRockStorehouseLook = {
    STOREHOUSE_DEPTH_LIFT, "selector_storehouses-observ.png", -26, 99, 2819, "sidebar_item_storerock.png",
    {{165, 200, 2}, {-5, 160, 1}, {210, 130, 2}, {40, 100, 1}}, 4,
    {{25, 206}, {41, 224}, {51, 244}, {156, 243}, {186, 226}}, 5,
    {{35, 0, 0, 145, 0, 1, 50}, {35, 1, 0, 115, 0, 1, 110}, {35, 0, 1, 140, 0, 1, 60}},
    {{25, 0, 0, 145, -10, 1, 70}, {15, 1, 0, 115, 20, 1, 120}, {35, 0, 1, 140, 5, 1, 80}}, 3,
    {{20, 100, 180, 100}, {55, 200, 120, 60}}, 2,
};

constexpr building_look kWoodStorehouseLook = {
    STOREHOUSE_DEPTH_LIFT, "selector_storehouses-observ.png", -40, 112, 2820, "sidebar_item_storewood.png",
    {{160, 200, 2}, {0, 160, 1}, {205, 130, 2}, {50, 100, 1}}, 4,
    {{0, 218}, {28, 261}, {82, 273}, {127, 258}, {159, 241}, {190, 224}}, 6,
    {{15, 0, 0, 145, 20, 1, 85}, {35, 1, 0, 115, 0, 1, 110}, {35, 0, 1, 140, 0, 1, 60}},
    {{15, 0, 0, 145, 20, 1, 85}, {35, 1, 0, 115, 0, 1, 130}, {35, 0, 1, 140, 5, 1, 80}}, 3,
    {{0, 100, 200, 100}, {35, 200, 140, 65}}, 2,
};
