#include "BuildingClasses.h"

#include "CBoat.h"
#include "CCraftworks.h"
#include "CFarm.h"
#include "CFireplace.h"
#include "CHut.h"
#include "CObservatory.h"
#include "CScienceStation.h"
#include "CShipyard.h"
#include "CStorehouseFood.h"
#include "CStorehouseRock.h"
#include "CStorehouseWood.h"
#include "CWonderA.h"
#include "CWonderB.h"

#include <cassert>

namespace {

constexpr int kTypes = 13;

// By type 1..13.
constexpr building_class kClasses[kTypes] = {
    {[](const building_data& saved) -> CBuilding* { return new CHut(saved); },
     [](int x, int y, int variant) -> CBuilding* { return new CHut(x, y, variant); }, CHut::PlacementCollision},
    {[](const building_data& saved) -> CBuilding* { return new CStorehouseFood(saved); },
     [](int x, int y, int) -> CBuilding* { return new CStorehouseFood(x, y); }, CStorehouseFood::PlacementCollision},
    {[](const building_data& saved) -> CBuilding* { return new CStorehouseRock(saved); },
     [](int x, int y, int) -> CBuilding* { return new CStorehouseRock(x, y); }, CStorehouseRock::PlacementCollision},
    {[](const building_data& saved) -> CBuilding* { return new CStorehouseWood(saved); },
     [](int x, int y, int) -> CBuilding* { return new CStorehouseWood(x, y); }, CStorehouseWood::PlacementCollision},
    {[](const building_data& saved) -> CBuilding* { return new CObservatory(saved); },
     [](int x, int y, int) -> CBuilding* { return new CObservatory(x, y); }, CObservatory::PlacementCollision},
    {[](const building_data& saved) -> CBuilding* { return new CCraftworks(saved); },
     [](int x, int y, int) -> CBuilding* { return new CCraftworks(x, y); }, CCraftworks::PlacementCollision},
    {[](const building_data& saved) -> CBuilding* { return new CScienceStation(saved); },
     [](int x, int y, int) -> CBuilding* { return new CScienceStation(x, y); }, CScienceStation::PlacementCollision},
    {[](const building_data& saved) -> CBuilding* { return new CShipyard(saved); },
     [](int x, int y, int) -> CBuilding* { return new CShipyard(x, y); }, CShipyard::PlacementCollision},
    {[](const building_data& saved) -> CBuilding* { return new CFireplace(saved); },
     [](int x, int y, int) -> CBuilding* { return new CFireplace(x, y); }, CFireplace::PlacementCollision},
    {[](const building_data& saved) -> CBuilding* { return new CWonderA(saved); },
     [](int x, int y, int) -> CBuilding* { return new CWonderA(x, y); }, CWonderA::PlacementCollision},
    {[](const building_data& saved) -> CBuilding* { return new CWonderB(saved); },
     [](int x, int y, int) -> CBuilding* { return new CWonderB(x, y); }, CWonderB::PlacementCollision},
    {[](const building_data& saved) -> CBuilding* { return new CFarm(saved); },
     [](int x, int y, int) -> CBuilding* { return new CFarm(x, y); }, CFarm::PlacementCollision},
    {[](const building_data& saved) -> CBuilding* { return new CBoat(saved); },
     [](int x, int y, int variant) -> CBuilding* { return new CBoat(x, y, variant); }, CBoat::PlacementCollision},
};

}  // namespace

int TypeOfVariant(int variant)
{
    if (variant == 0 || variant == 1 || (variant >= 12 && variant <= 19)) {
        return 1;
    }
    if (variant >= 2 && variant <= 11) {
        return variant;
    }
    if (variant == 20) {
        return 12;
    }
    if (variant == 21 || variant == 22) {
        return 13;
    }
    return 0;
}

const building_class& ClassOfType(int type)
{
    assert(type >= 1 && type <= kTypes);
    return kClasses[type - 1];
}
