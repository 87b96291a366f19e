#include "CBuilding.h"

#include "BuildingClasses.h"
#include "CControllerGame.h"
#include "CControllerTrophies.h"
#include "CProfile.h"
#include "CRepairTally.h"
#include "CTutorialDialog.h"
#include "Log.h"
#include "Utilities.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kBuildingsProperty = 6;
constexpr int kTypes = 13;
// Saved positions are kept within a margin of the island's 3904 pixels.
constexpr float kWorldLow = -1000.0f, kWorldHigh = 5000.0f;
// Fireplaces, the smallest buildings, put down by the placement test at
// every allowed point of islands cleared of trees and rocks, fill 195 to 286
// on 65 islands (tests/bench/SavedRecordsBench): no mix of buildings holds
// more. Ships on the water and larger islands still fit under 400; each
// building holds 0.3 to 5.3 MB of its own pictures.
constexpr size_t kMaxBuildings = 400;
constexpr int kHut = 1, kFoodStorehouse = 2, kRockStorehouse = 3, kWoodStorehouse = 4, kObservatory = 5,
              kScienceStation = 7, kShipyard = 8, kFireplace = 9, kWonderA = 10, kWonderB = 11, kGarden = 12,
              kShip = 13;
constexpr int kSearchDraws = 9;
constexpr int kChopDelay = 150;

struct requirement {
    int wood, rock, work;
};

// By type 1..13; any other type needs the last row.
constexpr requirement kRequirements[kTypes + 1] = {
    {10, 10, 4000},        {100, 100, 40000}, {100, 100, 40000},     {100, 100, 40000}, {500, 500, 200000},
    {25, 25, 10000},       {25, 25, 10000},   {500, 500, 200000},    {0, 2, 500},       {2500, 2500, 1000000},
    {5000, 5000, 2000000}, {0, 0, 0},         {1250, 1250, 500000},  {25, 25, 10000},
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

// The completed-building pointer the game screen reads for a type, null for
// types without one.
CBuilding** CompletedPointerOf(int type)
{
    switch (type) {
    case kShipyard: return &CBuilding::isCompleteShipyard;
    case kShip: return &CBuilding::isCompleteShip;
    case kGarden: return &CBuilding::isCompleteFarm;
    case kObservatory: return &CBuilding::isCompleteObservatory;
    case kWonderA: return &CBuilding::isCompleteWonderA;
    case kWonderB: return &CBuilding::isCompleteWonderB;
    default: return nullptr;
    }
}

}  // namespace

std::vector<CBuilding*> CBuilding::buildings;
CBuilding* CBuilding::isCompleteShipyard = nullptr;
CBuilding* CBuilding::isCompleteShip = nullptr;
CBuilding* CBuilding::isCompleteFarm = nullptr;
CBuilding* CBuilding::isCompleteObservatory = nullptr;
CBuilding* CBuilding::isCompleteWonderA = nullptr;
CBuilding* CBuilding::isCompleteWonderB = nullptr;
bool CBuilding::setSail = false;

CBuilding::CBuilding(int buildingType, int buildingVariant, int atX, int atY)
    : firstPump(true), requiredWork(GetRequiredWork(buildingType)), grassPainted(false), record{}, skipCounter(0),
      requiredRock(GetRequiredRock(buildingType)), requiredWood(GetRequiredWood(buildingType)),
      completionHandled(false), sailQuestion(false)
{
    memset(&record, 0, sizeof(record));
    record.x = static_cast<float>(atX);
    record.y = static_cast<float>(atY);
    record.placeX = atX;
    record.placeY = atY;
    record.type = buildingType;
    record.variant = buildingVariant;
    x = record.x;
    y = record.y;
    isBuilding = true;
    buildings.push_back(this);
}

CBuilding::CBuilding(const building_data& saved)
    : firstPump(true), requiredWork(GetRequiredWork(saved.type)), grassPainted(false), record(saved),
      skipCounter(0), requiredRock(GetRequiredRock(saved.type)), requiredWood(GetRequiredWood(saved.type)),
      completionHandled(false), sailQuestion(false)
{
    x = record.x;
    y = record.y;
    isBuilding = true;
    buildings.push_back(this);
}

CBuilding::~CBuilding()
{
    ForgetCompletion();
    buildings.erase(std::remove(buildings.begin(), buildings.end(), this), buildings.end());
}

void CBuilding::ForgetCompletion()
{
    for (CBuilding** completed : {&isCompleteShipyard, &isCompleteShip, &isCompleteFarm, &isCompleteObservatory,
                                  &isCompleteWonderA, &isCompleteWonderB}) {
        if (*completed == this) {
            *completed = nullptr;
        }
    }
}

void CBuilding::AddObstructions(bool) {}

int CBuilding::GetRequiredWood(int type)
{
    return RequirementOf(type).wood;
}

int CBuilding::GetRequiredRock(int type)
{
    return RequirementOf(type).rock;
}

int CBuilding::GetRequiredWork(int type)
{
    return RequirementOf(type).work;
}

void CBuilding::AddResource(int amount, int which)
{
    int& delivered = which == 0 ? record.wood : record.rock;
    delivered += amount;
    record.wood = std::max(0, record.wood);
    record.rock = std::max(0, record.rock);
}

void CBuilding::Build(int n)
{
    if (record.demolishing) {
        record.work = std::max(0, record.work - 5 * n);
    } else {
        record.work = std::min(requiredWork, record.work + n);
    }
}

bool CBuilding::HasAllCompletionPoints()
{
    return record.demolishing ? record.work < 1 : record.work >= requiredWork;
}

bool CBuilding::HasAllResources()
{
    if (record.demolishing) {
        return record.wood <= 0 && record.rock <= 0;
    }
    return requiredWood - record.wood < 1 && requiredRock - record.rock < 1;
}

bool CBuilding::IsComplete()
{
    return HasAllCompletionPoints() && HasAllResources();
}

bool CBuilding::IsDemolished()
{
    return record.demolishing && record.work < 1 && record.wood < 1 && record.rock < 1;
}

bool CBuilding::IsBeingDemolished()
{
    return record.demolishing != 0;
}

bool CBuilding::IsInService()
{
    return !record.demolishing && IsComplete();
}

int CBuilding::WhichResourceIsNeeded()
{
    if (record.demolishing) {
        return record.wood > record.rock ? 0 : 1;
    }
    const int shortWood = requiredWood - record.wood;
    const int shortRock = requiredRock - record.rock;
    if (shortWood >= 1 && shortRock >= 1) {
        return RangedRandom(0, 1);
    }
    return shortWood > shortRock ? 0 : 1;
}

float CBuilding::PercentageComplete()
{
    const float work = requiredWork > 0
                           ? 50.0f * static_cast<float>(record.work) / static_cast<float>(requiredWork)
                           : 50.0f;
    const int materials = requiredWood + requiredRock;
    if (materials <= 0) {
        return work + 50.0f;
    }
    const int delivered = std::min(requiredWood, record.wood) + std::min(requiredRock, record.rock);
    return work + 50.0f * static_cast<float>(delivered) / static_cast<float>(materials);
}

int CBuilding::GetVariant()
{
    return record.variant;
}

void CBuilding::DelayChop()
{
    skipCounter = kChopDelay;
}

void CBuilding::FinishNow()
{
    record.work = requiredWork;
    record.wood = requiredWood;
    record.rock = requiredRock;
}

void CBuilding::HandleCompletion()
{
    // A finished demolition is not a completion: it earns nothing.
    const bool complete = IsComplete() && !record.demolishing;
    if (complete && !completionHandled) {
        AddObstructions(true);
        const int type = GetType();
        if (type != kFireplace) {
            CControllerTrophies::CompleteTrophy(1);
        }
        if (type == kWonderA) {
            CControllerTrophies::CompleteTrophy(2);
        }
        if (type == kWonderB) {
            CControllerTrophies::CompleteTrophy(256);
        }
        if (type == kScienceStation) {
            for (int step = 41; step <= 51; step++) {
                CTutorialDialog::CompleteTutorial(step);
            }
        } else if (type == kHut) {
            for (int step = 24; step <= 34; step++) {
                CTutorialDialog::CompleteTutorial(step);
            }
        }
        CBuilding** completed = CompletedPointerOf(type);
        if (CControllerGame::game && completed) {
            *completed = this;
        }
        // A storehouse loaded complete leaves its step as the player left it.
        if (!firstPump) {
            const int reopened = type == kFoodStorehouse   ? 96
                                 : type == kWoodStorehouse ? 97
                                 : type == kRockStorehouse ? 98
                                                           : -1;
            if (reopened != -1) {
                CTutorialDialog::UncompleteTutorial(reopened);
            }
        }
    }
    completionHandled = complete;
    firstPump = false;
}

CBuilding* CBuilding::FindCoords(int& atX, int& atY, int& dir, int& location, bool needsResources,
                                 bool hasResourcesToTake, bool underMouse)
{
    if (buildings.empty()) {
        return nullptr;
    }
    CBuilding* chosen = nullptr;
    if (underMouse) {
        int chosenZ = 0;
        for (CBuilding* building : buildings) {
            int z = 0;
            if (building->IsAtCoords(z, -1, -1) && (!chosen || z > chosenZ)) {
                chosen = building;
                chosenZ = z;
            }
        }
    } else {
        const int last = static_cast<int>(buildings.size()) - 1;
        for (int draw = 0; draw < kSearchDraws && !chosen; draw++) {
            CBuilding* building = buildings[RangedRandom(0, last)];
            if (building->skipCounter >= 1) {
                building->skipCounter--;
                continue;
            }
            const building_data& saved = building->record;
            bool accepted;
            if (hasResourcesToTake) {
                accepted = saved.demolishing && (saved.wood != 0 || saved.rock != 0);
            } else if (needsResources) {
                accepted = !saved.demolishing && (building->requiredWood - saved.wood >= 1 ||
                                                  building->requiredRock - saved.rock >= 1);
            } else {
                accepted = !building->HasAllCompletionPoints();
            }
            if (accepted) {
                chosen = building;
            }
        }
    }
    if (chosen) {
        location = chosen->GetStandLocation(atX, atY, dir);
    }
    return chosen;
}

int CBuilding::GetNumStorehouses(int resource)
{
    const int type = StorehouseOf(resource);
    if (type == 0) {
        return 0;
    }
    return static_cast<int>(std::count_if(buildings.begin(), buildings.end(), [type](CBuilding* building) {
        return building->record.type == type && building->IsInService();
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
    CRepairTally tally("Saved buildings");
    std::vector<building_data> records = CProfile::current->GetVectorValue<building_data>(kBuildingsProperty);
    tally.Cap(records, kMaxBuildings, "buildings past the most an island has room for were left out");
    std::vector<int> variants;
    for (building_data& saved : records) {
        if (saved.type < 1 || saved.type > kTypes || TypeOfVariant(saved.variant) != saved.type) {
            tally.Note("a building of an unknown type or variant was left out");
            saved.type = 0;
            continue;
        }
        if (!std::isfinite(saved.x) || !std::isfinite(saved.y)) {
            tally.Note("a building without a usable position was left out");
            saved.type = 0;
            continue;
        }
        // Every later sum over a building's position and size stays in range.
        const float x = std::min(std::max(saved.x, kWorldLow), kWorldHigh);
        const float y = std::min(std::max(saved.y, kWorldLow), kWorldHigh);
        const int placeX = std::min(std::max(saved.placeX, static_cast<int>(kWorldLow)), static_cast<int>(kWorldHigh));
        const int placeY = std::min(std::max(saved.placeY, static_cast<int>(kWorldLow)), static_cast<int>(kWorldHigh));
        if (x != saved.x || y != saved.y || placeX != saved.placeX || placeY != saved.placeY) {
            tally.Note("a position far off the island was brought to its edge");
            saved.x = x;
            saved.y = y;
            saved.placeX = placeX;
            saved.placeY = placeY;
        }
        if (saved.work < 0 || saved.wood < 0 || saved.rock < 0) {
            tally.Note("negative construction counts became 0");
            saved.work = std::max(0, saved.work);
            saved.wood = std::max(0, saved.wood);
            saved.rock = std::max(0, saved.rock);
        }
        // Nothing is left to take down: it would stand hidden until the next
        // save dropped it without a word.
        if (saved.demolishing && saved.work < 1 && saved.wood < 1 && saved.rock < 1) {
            logMessage(TempSprintf("A saved building of type %d at %.0f, %.0f was taken down already; it was left out",
                                   saved.type, static_cast<double>(saved.x), static_cast<double>(saved.y)));
            saved.type = 0;
            continue;
        }
        variants.push_back(saved.variant);
    }
    const std::vector<int> held = HoldPictures(variants, false);
    for (const building_data& saved : records) {
        if (saved.type != 0) {
            ClassOfType(saved.type).load(saved);
        }
    }
    ReleasePictures(held);
    return buildings;
}
