#include "CBuilding.h"

#include <algorithm>

std::vector<CBuilding*> CBuilding::buildings;

CBuilding::CBuilding(int buildingType, int buildingVariant) : type(buildingType), variant(buildingVariant), stage(0)
{
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

int CBuilding::GetVariant()
{
    return variant;
}

int CBuilding::GetAnimationFrame()
{
    return stage;
}

bool CBuilding::IsDemolished()
{
    return false;
}

void CBuilding::FinishNow()
{
    stage = 4;
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
