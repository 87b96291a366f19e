#include "CResources.h"

#include "CBuilding.h"
#include "CControllerGame.h"
#include "CControllerTrophies.h"
#include "CProfile.h"
#include "CSprite.h"
#include "CStone.h"
#include "CTree.h"
#include "CTutorialDialog.h"
#include "Log.h"
#include "Utilities.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>

namespace {

constexpr int kWoodProperty = 11, kFishProperty = 12, kRockProperty = 13;
constexpr int kVegetableProperties[3] = {16, 17, 18};
constexpr int kStardustProperty = 34, kMoondustProperty = 35;
constexpr int kWoodStoredProperty = 55, kRockStoredProperty = 56, kFoodStoredProperty = 57;
constexpr int kStardustSpentProperty = 63, kMoondustSpentProperty = 64;

constexpr int kStardustTrophy = 0x100000;
constexpr int kStardustTrophyAt = 50;
constexpr int kMoondustTrophy = 32;
constexpr int kMoondustTrophyAt = 200;

// Food delivered once the tutorial has taught fetching it closes the next step.
constexpr int kFetchFoodStep = 11;
constexpr int kFoodDeliveredStep = 12;

constexpr int kFoodResource = 6;

int Property(int key)
{
    return CProfile::current->GetValue<int>(key);
}

void AddToProperty(int key, int n)
{
    const int64_t sum = static_cast<int64_t>(Property(key)) + n;
    CProfile::current->SetValue<int>(key, static_cast<int>(std::clamp<int64_t>(sum, INT_MIN, INT_MAX)));
}

// a - n, never below 0, without overflowing on any n.
int Reduced(int a, int n)
{
    return static_cast<int>(std::clamp<int64_t>(static_cast<int64_t>(a) - n, 0, INT_MAX));
}

int Capped(int a, int n, int cap)
{
    return static_cast<int>(std::clamp<int64_t>(static_cast<int64_t>(a) + n, 0, cap));
}

bool IsFoodKind(int kind)
{
    return kind >= 0 && kind < CResources::kFoodKinds;
}

void Refuse(const char* what, int number)
{
    logMessage(what, TempSprintf("%i", number));
}

// How much of n fits from count up to capacity; nothing once it is reached,
// and nothing of a negative amount.
int Storable(int count, int n, int capacity)
{
    if (count >= capacity || n <= 0) {
        return 0;
    }
    return static_cast<int>(std::min<int64_t>(n, static_cast<int64_t>(capacity) - count));
}

}  // namespace

CResources::CResources()
    : stardust(0),
      moondust(0),
      wood(0),
      rock(0),
      food{0, 0, 0, 0},
      woodSprites{},
      rockSprites{},
      fishSprites{},
      vegetableSprites{},
      zones{{-1, -1, -1}, {-1, -1, -1}, {-1, -1, -1}},
      blocked{{-1, -1}, {-1, -1}, {-1, -1}}
{
    isResourceStore = true;

    // The stock is often first made while an island is being generated,
    // which must draw nothing from the shared generator; the logs' looks
    // come from a generator of their own.
    std::minstd_rand looks(static_cast<unsigned int>(GetCurrentTime()));
    std::uniform_int_distribution<int> logPicture(0, 3);
    for (CSprite*& log : woodSprites) {
        log = new CSprite(0);
        log->LoadImage(TempSprintf("pile_wood%i.png", logPicture(looks)));
        log->Hide();
    }
    for (CSprite*& heap : rockSprites) {
        heap = new CSprite(0);
        heap->LoadImage("pile_rock", 0, 2, ".png");
        heap->Hide();
    }
    for (CSprite*& fish : fishSprites) {
        fish = new CSprite(0);
        fish->LoadImage("pile_fish", 0, 3, ".png");
        fish->Hide();
    }
    for (int v = 0; v < kVegetables; v++) {
        for (CSprite*& heap : vegetableSprites[v]) {
            heap = new CSprite(0);
            heap->LoadImage(TempSprintf("pile_veg%i.png", v));
            heap->Move(-100, -100);
            heap->Hide();
        }
    }
}

CResources::~CResources()
{
    for (CSprite* log : woodSprites) {
        delete log;
    }
    for (CSprite* heap : rockSprites) {
        delete heap;
    }
    for (CSprite* fish : fishSprites) {
        delete fish;
    }
    for (auto& group : vegetableSprites) {
        for (CSprite* heap : group) {
            delete heap;
        }
    }
    // The world's unloading may delete the stock before shut-down does; the
    // next call for the stock then makes a new, empty one.
    if (CControllerGame::resources == this) {
        CControllerGame::resources = nullptr;
    }
}

int CResources::GetWood() { return wood; }
int CResources::GetRock() { return rock; }
int CResources::GetStardust() { return stardust; }
int CResources::GetMoondust() { return moondust; }

int CResources::GetFood(int kind)
{
    if (kind == -1) {
        int64_t sum = 0;
        for (int count : food) {
            sum += count;
        }
        return static_cast<int>(std::min<int64_t>(sum, INT_MAX));
    }
    if (!IsFoodKind(kind)) {
        Refuse("A count was asked of a food kind that does not exist: ", kind);
        return 0;
    }
    return food[kind];
}

void CResources::SetFood(int amount, int kind)
{
    if (!IsFoodKind(kind)) {
        Refuse("A count was set for a food kind that does not exist: ", kind);
        return;
    }
    food[kind] = amount;
}

int CResources::GetMaxResource(int resource)
{
    return 100 + 500 * CBuilding::GetNumStorehouses(resource);
}

bool CResources::IsResourceMaxed(int resource)
{
    switch (resource) {
    case 0: return wood >= GetMaxResource(0);
    case 1: return rock >= GetMaxResource(1);
    case 2:
    case 3:
    case 6: return GetFood(-1) >= GetMaxResource(resource);
    default: return false;
    }
}

void CResources::AddWood(int n)
{
    const int stored = Storable(wood, n, GetMaxResource(0));
    if (stored == 0) {
        return;
    }
    wood += stored;
    AddToProperty(kWoodStoredProperty, stored);
}

void CResources::AddRock(int n)
{
    const int stored = Storable(rock, n, GetMaxResource(1));
    if (stored == 0) {
        return;
    }
    rock += stored;
    AddToProperty(kRockStoredProperty, stored);
}

void CResources::AddFood(int n, int kind)
{
    if (!IsFoodKind(kind)) {
        Refuse("Food was added to a food kind that does not exist: ", kind);
        return;
    }
    const int sum = GetFood(-1);
    const int capacity = GetMaxResource(kFoodResource);
    if (sum >= capacity) {
        return;
    }
    const int stored = Storable(sum, n, capacity);
    food[kind] += stored;
    AddToProperty(kFoodStoredProperty, stored);
    if (CTutorialDialog::IsTutorialComplete(kFetchFoodStep)) {
        CTutorialDialog::CompleteTutorial(kFoodDeliveredStep);
    }
}

void CResources::AddStardust(int n)
{
    stardust = Capped(stardust, n, kDustCap);
    if (static_cast<int64_t>(stardust) + Property(kStardustSpentProperty) >= kStardustTrophyAt) {
        CControllerTrophies::CompleteTrophy(kStardustTrophy);
    }
}

void CResources::AddMoondust(int n)
{
    moondust = Capped(moondust, n, kDustCap);
    if (static_cast<int64_t>(moondust) + Property(kMoondustSpentProperty) >= kMoondustTrophyAt) {
        CControllerTrophies::CompleteTrophy(kMoondustTrophy);
    }
}

void CResources::RemoveWood(int n)
{
    wood = Reduced(wood, n);
}

void CResources::RemoveRock(int n)
{
    rock = Reduced(rock, n);
}

int CResources::RemoveFood(int n, int kind)
{
    if (kind == -2) {
        kind = FindRandomFoodType();
        if (kind == -1) {
            return -1;
        }
    } else if (!IsFoodKind(kind)) {
        Refuse("Food was taken from a food kind that does not exist: ", kind);
        return -1;
    }
    food[kind] = Reduced(food[kind], n);
    return kind;
}

void CResources::RemoveAllFood()
{
    std::fill(std::begin(food), std::end(food), 0);
}

void CResources::RemoveStardust(int n)
{
    stardust = Reduced(stardust, n);
    AddToProperty(kStardustSpentProperty, n);
}

void CResources::RemoveMoondust(int n)
{
    moondust = Reduced(moondust, n);
    AddToProperty(kMoondustSpentProperty, n);
}

int CResources::FindRandomFoodType()
{
    const int sum = GetFood(-1);
    if (sum <= 0) {
        return -1;
    }
    int r = RangedRandom(1, sum);
    for (int kind = 0; kind < kFoodKinds - 1; kind++) {
        if (r <= food[kind]) {
            return kind;
        }
        r -= food[kind];
    }
    return kFoodKinds - 1;
}

void CResources::SaveResources()
{
    CProfile* profile = CProfile::current;
    profile->SetValue<int>(kWoodProperty, wood);
    profile->SetValue<int>(kFishProperty, food[0]);
    for (int v = 0; v < kVegetables; v++) {
        profile->SetValue<int>(kVegetableProperties[v], food[v + 1]);
    }
    profile->SetValue<int>(kRockProperty, rock);
    profile->SetValue<int>(kStardustProperty, stardust);
    profile->SetValue<int>(kMoondustProperty, moondust);
}

void CResources::LoadResources()
{
    for (zone_data& zone : zones) {
        zone = {-1, -1, -1};
    }
    // A damaged profile must not give the piles negative heaps or the dust
    // counters more than they can show.
    auto count = [](int key, int cap) {
        const int stored = Property(key);
        const int kept = std::clamp(stored, 0, cap);
        if (kept != stored) {
            logMessage("A stock count read from the profile was out of range and was corrected: ",
                       TempSprintf("property %i held %i", key, stored));
        }
        return kept;
    };
    wood = count(kWoodProperty, INT_MAX);
    food[0] = count(kFishProperty, INT_MAX);
    for (int v = 0; v < kVegetables; v++) {
        food[v + 1] = count(kVegetableProperties[v], INT_MAX);
    }
    rock = count(kRockProperty, INT_MAX);
    stardust = count(kStardustProperty, kDustCap);
    moondust = count(kMoondustProperty, kDustCap);
}

void CResources::SetZone(int zone, int atX, int atY, int radius)
{
    if (zone < 0 || zone >= 3) {
        Refuse("A work zone that does not exist was set: ", zone);
        return;
    }
    zones[zone] = {atX, atY, radius};
    if (zone == 0) {
        CTree::SetZone(atX, atY, radius);
    }
    if (zone == 2) {
        CStone::SetZone(atX, atY, radius);
    }
}

int CResources::GetZoneX(int zone)
{
    return zone >= 0 && zone < 3 ? zones[zone].x : -1;
}

int CResources::GetZoneY(int zone)
{
    return zone >= 0 && zone < 3 ? zones[zone].y : -1;
}

int CResources::GetZoneRadius(int zone)
{
    return zone >= 0 && zone < 3 ? zones[zone].radius : -1;
}
