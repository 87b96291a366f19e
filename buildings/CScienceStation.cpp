#include "CScienceStation.h"

#include "CBuilding.h"

#include "Utilities.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kScienceStationType = 7;

}  // namespace

bool CScienceStation::AnyUseableScienceStations()
{
    return std::any_of(CBuilding::buildings.begin(), CBuilding::buildings.end(), [](CBuilding* building) {
        return building->GetType() == kScienceStationType && building->IsInService();
    });
}

CBuilding* CScienceStation::FindWorkCoords(int& atX, int& atY, int& dir, bool underMouse)
{
    std::vector<CBuilding*> usable;
    for (CBuilding* building : CBuilding::buildings) {
        int z = 0;
        if (building->GetType() == kScienceStationType && building->IsInService() &&
            (!underMouse || building->IsAtCoords(z, -1, -1))) {
            usable.push_back(building);
        }
    }
    if (usable.empty()) {
        return nullptr;
    }
    CBuilding* station = usable[RangedRandom(0, static_cast<int>(usable.size()) - 1)];
    station->GetStandLocation(atX, atY, dir);
    return station;
}
