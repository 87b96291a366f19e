// The islander frame's tables: where the ground shadow sits under each body
// animation, and on which images of the walks a foot comes down.
#pragma once

#include "PersonFrame.h"

struct shadow_offsets {
    body_set_kind set;
    int women[4][2];  // (dx, dy) by facing direction
    int men[4][2];
};

constexpr shadow_offsets kShadowOffsets[] = {
    {BODY_ADULT_STAND, {{-5, 46}, {-6, 48}, {-6, 48}, {-4, 46}}, {{-5, 46}, {-4, 46}, {-6, 45}, {-1, 46}}},
    {BODY_ADULT_WALK, {{-1, 49}, {-1, 49}, {-3, 49}, {0, 48}}, {{3, 42}, {0, 44}, {-2, 45}, {3, 44}}},
    {BODY_ADULT_CARRY, {{-2, 47}, {-2, 49}, {-3, 49}, {1, 47}}, {{-1, 45}, {-1, 44}, {0, 45}, {0, 44}}},
    {BODY_ADULT_HACK, {{1, 43}, {5, 43}, {1, 43}, {1, 43}}, {{7, 48}, {10, 46}, {7, 48}, {7, 48}}},
    {BODY_ADULT_HOE, {{35, 43}, {-4, 44}, {35, 43}, {35, 43}}, {{30, 40}, {3, 41}, {30, 40}, {30, 40}}},
    {BODY_KID_STAND, {{-5, 36}, {-5, 34}, {-4, 35}, {-6, 36}}, {{-5, 36}, {-5, 34}, {-4, 35}, {-6, 36}}},
    {BODY_KID_WALK, {{0, 28}, {-2, 31}, {-2, 32}, {1, 31}}, {{0, 28}, {-2, 31}, {-2, 32}, {1, 31}}},
    {BODY_BABY_STAND, {{-5, 18}, {-4, 18}, {-5, 19}, {-1, 19}}, {{-5, 18}, {-4, 18}, {-5, 19}, {-1, 19}}},
    {BODY_BABY_WALK, {{0, 18}, {3, 19}, {0, 18}, {2, 17}}, {{0, 18}, {3, 19}, {0, 18}, {2, 17}}},
};

// The (left, right) foot-down images of a walk by facing direction.
struct footfall_frames {
    body_set_kind set;
    int women[4][2];
    int men[4][2];
};

constexpr footfall_frames kFootfalls[] = {
    {BODY_ADULT_WALK, {{9, 4}, {8, 3}, {3, 8}, {4, 9}}, {{4, 9}, {8, 3}, {3, 8}, {9, 4}}},
    {BODY_ADULT_CARRY, {{9, 4}, {8, 3}, {3, 8}, {4, 9}}, {{4, 9}, {8, 3}, {3, 8}, {9, 4}}},
    {BODY_KID_WALK, {{3, 8}, {6, 1}, {1, 6}, {8, 3}}, {{3, 8}, {6, 1}, {1, 6}, {8, 3}}},
    {BODY_BABY_WALK, {{10, 2}, {2, 10}, {10, 2}, {2, 10}}, {{10, 2}, {2, 10}, {10, 2}, {2, 10}}},
};
