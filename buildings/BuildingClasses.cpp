#include "BuildingClasses.h"

#include "CCraftworks.h"
#include "CFarm.h"
#include "CFireplace.h"
#include "CHut.h"
#include "CStandInBuilding.h"
#include "CStorehouseFood.h"
#include "CStorehouseRock.h"
#include "CStorehouseWood.h"

#include <cassert>

namespace {

constexpr int kTypes = 13;

constexpr building_class kStandIn = {
    [](const building_data& saved) -> CBuilding* { return new CStandInBuilding(saved); },
    [](int x, int y, int variant) -> CBuilding* { return new CStandInBuilding(TypeOfVariant(variant), variant, x, y); },
    CStandInBuilding::PlacementCollision,
};

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
    kStandIn,  // 5 observatory
    {[](const building_data& saved) -> CBuilding* { return new CCraftworks(saved); },
     [](int x, int y, int variant) -> CBuilding* { return new CCraftworks(variant, x, y); },
     CStandInBuilding::PlacementCollision},
    kStandIn,  // 7 science station
    kStandIn,  // 8 shipyard
    {[](const building_data& saved) -> CBuilding* { return new CFireplace(saved); },
     [](int x, int y, int) -> CBuilding* { return new CFireplace(x, y); }, CStandInBuilding::PlacementCollision},
    kStandIn,  // 10 wonder A
    kStandIn,  // 11 wonder B
    {[](const building_data& saved) -> CBuilding* { return new CFarm(saved); },
     [](int x, int y, int variant) -> CBuilding* { return new CFarm(variant, x, y); }, CStandInBuilding::PlacementCollision},
    kStandIn,  // 13 ship
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
