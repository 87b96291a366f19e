// The second wonder: once finished it lets 30 heaps of moondust fall.
#pragma once

#include "CWonder.h"

class CWonderB : public CWonder {
public:
    // At the placement point (x, y), world pixels.
    CWonderB(int x, int y);
    explicit CWonderB(const building_data& saved);

    static bool PlacementCollision();
};
