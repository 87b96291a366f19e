#include "CStorehouseWood.h"

#include "StorehouseLooks.h"

#include <algorithm>

std::vector<CStorehouseWood*> CStorehouseWood::allBuildings;

CStorehouseWood::CStorehouseWood(int atX, int atY) : CBuildingKind(kWoodStorehouseLook, 4, 4, atX, atY)
{
    allBuildings.push_back(this);
}

CStorehouseWood::CStorehouseWood(const building_data& saved) : CBuildingKind(kWoodStorehouseLook, saved)
{
    allBuildings.push_back(this);
}

CStorehouseWood::~CStorehouseWood()
{
    allBuildings.erase(std::remove(allBuildings.begin(), allBuildings.end(), this), allBuildings.end());
}

bool CStorehouseWood::PlacementCollision()
{
    return FootprintCollides(kWoodStorehouseLook);
}
