// The food storehouse: once finished, and while it is not coming down, it
// makes room for 500 more in the stock and takes deliveries of food of every sort, and feeds an islander dropped on it once it stands finished.
#pragma once

#include "CBuildingKind.h"

#include <vector>

class CStorehouseFood : public CBuildingKind {
public:
    // At the placement point (x, y), world pixels.
    CStorehouseFood(int x, int y);
    explicit CStorehouseFood(const building_data& saved);
    ~CStorehouseFood() override;

    // Task 13 (take food) once finished; task 5 otherwise.
    int DroppedOn() override;

    static bool PlacementCollision();

    static std::vector<CStorehouseFood*> allBuildings;
};
