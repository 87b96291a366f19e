// The camp's fireplace, for now a stand-in building: the island puts a
// finished one at the start location of a new playable island.
#pragma once

#include "CStandInBuilding.h"

class CFireplace : public CStandInBuilding {
public:
    // At placement point (x, y), world pixels; nothing built or delivered.
    CFireplace(int x, int y);
    explicit CFireplace(const building_data& saved);
};
