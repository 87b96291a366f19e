#include "CStorehouseFood.h"

#include "StorehouseLooks.h"

#include <algorithm>

std::vector<CStorehouseFood*> CStorehouseFood::allBuildings;

CStorehouseFood::CStorehouseFood(int atX, int atY) : CBuildingKind(kFoodStorehouseLook, 2, 2, atX, atY)
{
    allBuildings.push_back(this);
}

CStorehouseFood::CStorehouseFood(const building_data& saved) : CBuildingKind(kFoodStorehouseLook, saved)
{
    allBuildings.push_back(this);
}

CStorehouseFood::~CStorehouseFood()
{
    allBuildings.erase(std::remove(allBuildings.begin(), allBuildings.end(), this), allBuildings.end());
}

bool CStorehouseFood::PlacementCollision()
{
    return FootprintCollides(kFoodStorehouseLook);
}

int CStorehouseFood::DroppedOn()
{
    constexpr int kTakeFoodTask = 13, kBuildTask = 5;
    return IsInService() ? kTakeFoodTask : kBuildTask;
}
