// The rock storehouse: once finished, and while it is not coming down, it
// makes room for 500 more in the stock and takes deliveries of rock.
#pragma once

#include "CBuildingKind.h"

#include <vector>

class CStorehouseRock : public CBuildingKind {
public:
    // At the placement point (x, y), world pixels.
    CStorehouseRock(int x, int y);
    explicit CStorehouseRock(const building_data& saved);
    ~CStorehouseRock() override;

    static bool PlacementCollision();

    static std::vector<CStorehouseRock*> allBuildings;
};
