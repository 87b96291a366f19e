// The first wonder: once finished it lets 30 heaps of stardust fall.
#pragma once

#include "CWonder.h"

class CWonderA : public CWonder {
public:
    // At the placement point (x, y), world pixels.
    CWonderA(int x, int y);
    explicit CWonderA(const building_data& saved);

    static bool PlacementCollision();
};
