// The wood storehouse: once finished, and while it is not coming down, it
// makes room for 500 more in the stock and takes deliveries of wood.
#pragma once

#include "CBuildingKind.h"

#include <vector>

class CStorehouseWood : public CBuildingKind {
public:
    // At the placement point (x, y), world pixels.
    CStorehouseWood(int x, int y);
    explicit CStorehouseWood(const building_data& saved);
    ~CStorehouseWood() override;

    static bool PlacementCollision();

    static std::vector<CStorehouseWood*> allBuildings;
};
