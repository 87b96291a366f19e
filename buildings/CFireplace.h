// Stand-in for the camp's fireplace until the buildings are built: the
// building the island puts at the start location of a new playable island.
#pragma once

#include "CBuilding.h"

class CFireplace : public CBuilding {
public:
    // At placement point (x, y), world pixels; nothing built or delivered.
    CFireplace(int x, int y);
    explicit CFireplace(const building_data& saved);
};
