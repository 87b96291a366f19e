// The numbers of the two wonders: marker, names, side-panel pictures, stand
// points, grass points, obstruction boxes and ghost footprints.
#pragma once

#include "CBuildingKind.h"

constexpr int WONDER_DEPTH_LIFT = 70;

constexpr building_look kWonderALook = {
    WONDER_DEPTH_LIFT, "selector_wonder-art-science.png", -10, 535, 2821, "sidebar_item_wonderA.png",
    {{209, 641, 2}, {53, 631, 1}, {317, 557, 2}, {-30, 565, 1}}, 4,
    {{17, 644}, {53, 665}, {107, 707}, {149, 728}, {185, 712}, {209, 692}, {258, 656}, {286, 634}}, 8,
    {{10, 0, 0, 513, 275, 0, 133}, {105, 0, 0, 646, 99, 0, 54}},
    {{10, 0, 0, 513, 275, 0, 133}, {105, 0, 0, 646, 99, 0, 54}}, 2,
    {{10, 513, 275, 133}, {105, 646, 99, 64}}, 2,
};

constexpr building_look kWonderBLook = {
    WONDER_DEPTH_LIFT, "selector_wonder-art-science.png", 15, 528, 2822, "sidebar_item_wonderB.png",
    {{261, 650, 2}, {107, 651, 1}, {350, 579, 2}, {-13, 591, 1}}, 4,
    {{37, 653}, {62, 667}, {119, 694}, {153, 708}, {192, 717}, {233, 699}, {288, 665}, {316, 638}}, 8,
    {{32, 0, 0, 514, 284, 0, 135}, {120, 0, 0, 649, 130, 0, 47}},
    {{32, 0, 0, 514, 284, 0, 135}, {120, 0, 0, 649, 130, 0, 47}}, 2,
    {{32, 514, 284, 135}, {120, 649, 130, 56}}, 2,
};
