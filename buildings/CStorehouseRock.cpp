#include "CStorehouseRock.h"

#include "StorehouseLooks.h"

#include <algorithm>

std::vector<CStorehouseRock*> CStorehouseRock::allBuildings;

CStorehouseRock::CStorehouseRock(int atX, int atY) : CBuildingKind(kRockStorehouseLook, 3, 3, atX, atY)
{
    allBuildings.push_back(this);
}

CStorehouseRock::CStorehouseRock(const building_data& saved) : CBuildingKind(kRockStorehouseLook, saved)
{
    allBuildings.push_back(this);
}

CStorehouseRock::~CStorehouseRock()
{
    allBuildings.erase(std::remove(allBuildings.begin(), allBuildings.end(), this), allBuildings.end());
}

bool CStorehouseRock::PlacementCollision()
{
    return FootprintCollides(kRockStorehouseLook);
}
