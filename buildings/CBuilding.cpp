#include "CBuilding.h"

#include "CFireplace.h"
#include "CProfile.h"
#include "Utilities.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kBuildingsProperty = 6;
constexpr int kTypes = 13;
constexpr int kFoodStorehouse = 2, kRockStorehouse = 3, kWoodStorehouse = 4;
constexpr int kDelayPicks = 150;

struct requirement {
    int wood, rock, work;
};

// By type 1..13; any other type needs the last row.
constexpr requirement kRequirements[kTypes + 1] = {
    {10, 10, 4000},      {100, 100, 40000},     {100, 100, 40000},     {100, 100, 40000}, {500, 500, 200000},
    {25, 25, 10000},     {25, 25, 10000},       {500, 500, 200000},    {0, 2, 500},       {2500, 2500, 1000000},
    {5000, 5000, 2000000}, {0, 0, 0},           {1250, 1250, 500000},  {25, 25, 10000},
};

const requirement& RequirementOf(int type)
{
    return type >= 1 && type <= kTypes ? kRequirements[type - 1] : kRequirements[kTypes];
}

// The building type that stores a resource number, 0 none.
int StorehouseOf(int resource)
{
    switch (resource) {
    case 0: return kWoodStorehouse;
    case 1: return kRockStorehouse;
    case 2:
    case 3:
    case 6: return kFoodStorehouse;
    default: return 0;
    }
}

}  // namespace

std::vector<CBuilding*> CBuilding::buildings;

CBuilding::CBuilding(int buildingType, int buildingVariant)
{
    memset(&record, 0, sizeof(record));
    record.type = buildingType;
    record.variant = buildingVariant;
    isBuilding = true;
    buildings.push_back(this);
}

CBuilding::CBuilding(const building_data& saved) : record(saved)
{
    x = static_cast<float>(saved.placeX);
    y = static_cast<float>(saved.placeY);
    isBuilding = true;
    buildings.push_back(this);
}

CBuilding::~CBuilding()
{
    buildings.erase(std::remove(buildings.begin(), buildings.end(), this), buildings.end());
}

void CBuilding::Hide() {}
void CBuilding::UnHide() {}
void CBuilding::Pump(int, int, int) {}
void CBuilding::Rollover(bool) {}

int CBuilding::GetType()
{
    return record.type;
}

int CBuilding::GetVariant()
{
    return record.variant;
}

float CBuilding::PercentageComplete()
{
    const requirement& need = RequirementOf(record.type);
    const float work = need.work > 0 ? 50.0f * static_cast<float>(record.work) / static_cast<float>(need.work) : 50.0f;
    const int materials = need.wood + need.rock;
    const float delivered = materials > 0 ? 50.0f *
                                                static_cast<float>(std::min(need.wood, record.wood) +
                                                                   std::min(need.rock, record.rock)) /
                                                static_cast<float>(materials)
                                          : 50.0f;
    return work + delivered;
}

int CBuilding::GetAnimationFrame()
{
    const float percent = PercentageComplete();
    return percent < 25.0f ? 0 : percent < 50.0f ? 1 : percent < 75.0f ? 2 : percent < 100.0f ? 3 : 4;
}

bool CBuilding::IsDemolished()
{
    return record.demolishing && record.work <= 0 && record.wood <= 0 && record.rock < 1;
}

void CBuilding::FinishNow()
{
    const requirement& need = RequirementOf(record.type);
    record.work = need.work;
    record.wood = need.wood;
    record.rock = need.rock;
}

bool CBuilding::IsInService()
{
    return !record.demolishing && PercentageComplete() >= 100.0f;
}

int CBuilding::GetStandLocation(int& atX, int& atY, int&)
{
    atX = GetX();
    atY = GetY();
    return 0;
}

int CBuilding::GetNumStorehouses(int resource)
{
    const int type = StorehouseOf(resource);
    return static_cast<int>(std::count_if(buildings.begin(), buildings.end(), [type](CBuilding* building) {
        return type != 0 && building->record.type == type && building->IsInService();
    }));
}

CBuilding* CBuilding::GetPileCoordinates(int& atX, int& atY, int resource)
{
    const int type = StorehouseOf(resource);
    CBuilding* nearest = nullptr;
    float nearestDistance = 0.0f;
    for (CBuilding* building : buildings) {
        if (type == 0 || building->record.type != type || !building->IsInService()) {
            continue;
        }
        const float distance = GetDist(atX, atY, building->GetX(), building->GetY());
        if (!nearest || distance < nearestDistance) {
            nearest = building;
            nearestDistance = distance;
        }
    }
    if (nearest) {
        atX = nearest->GetX();
        atY = nearest->GetY();
    }
    return nearest;
}

void CBuilding::InitSprites() {}
void CBuilding::DeleteSprites() {}
void CBuilding::HandleBuildingPlacement() {}

std::string CBuilding::GetBuildingFilename(int buildingVariant, int)
{
    if (buildingVariant == 9) {
        return "fireplace_style0_construct0.png";
    }
    return "COULD NOT FIND FILENAME FOR GIVEN BUILDING VARIANT.";
}

void CBuilding::SaveBuildings()
{
    std::vector<building_data> saved;
    for (CBuilding* building : buildings) {
        if (!building->IsDemolished()) {
            saved.push_back(building->record);
        }
    }
    CProfile::current->SetVectorValue<building_data>(kBuildingsProperty, saved);
}

std::vector<CBuilding*> CBuilding::LoadBuildings()
{
    while (!buildings.empty()) {
        delete buildings.back();
    }
    for (const building_data& saved : CProfile::current->GetVectorValue<building_data>(kBuildingsProperty)) {
        if (saved.type == 9) {
            new CFireplace(saved);
        } else if (saved.type >= 1 && saved.type <= kTypes) {
            new CBuilding(saved);
        }
    }
    return buildings;
}

void CBuilding::DelayChop()
{
    chopDelay = kDelayPicks;
}
