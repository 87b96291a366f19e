#include "CScienceStation.h"

#include "CBuilding.h"

#include <algorithm>

namespace {

constexpr int kScienceStationType = 7;

}  // namespace

bool CScienceStation::AnyUseableScienceStations()
{
    return std::any_of(CBuilding::buildings.begin(), CBuilding::buildings.end(), [](CBuilding* building) {
        return building->GetType() == kScienceStationType && building->IsInService();
    });
}
