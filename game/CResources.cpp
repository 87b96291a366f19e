#include "CResources.h"

#include "CControllerGame.h"
#include "CProfile.h"

namespace {

constexpr int kWoodProperty = 11, kFishProperty = 12, kRockProperty = 13;
constexpr int kVegetableProperties[3] = {16, 17, 18};
constexpr int kStardustProperty = 34, kMoondustProperty = 35;

}  // namespace

CResources::CResources()
    : piles{{-1, -1}, {-1, -1}, {-1, -1}},
      wood(0),
      fish(0),
      rock(0),
      stardust(0),
      moondust(0),
      vegetables{0, 0, 0},
      zones{-1, -1, -1}
{
    isResourceStore = true;
}

CResources::~CResources()
{
    // The stock is a world object, so unloading the world may delete it
    // before shut-down does.
    if (CControllerGame::resources == this) {
        CControllerGame::resources = nullptr;
    }
}

void CResources::Hide() {}
void CResources::UnHide() {}
void CResources::Pump(int, int, int) {}
void CResources::Rollover(bool) {}

void CResources::SetPileCoordinates(int kind, int atX, int atY)
{
    if (kind >= 0 && kind < 3) {
        piles[kind] = {atX, atY};
    }
}

void CResources::SaveResources()
{
    CProfile* profile = CProfile::current;
    profile->SetValue<int>(kWoodProperty, wood);
    profile->SetValue<int>(kFishProperty, fish);
    for (int i = 0; i < 3; i++) {
        profile->SetValue<int>(kVegetableProperties[i], vegetables[i]);
    }
    profile->SetValue<int>(kRockProperty, rock);
    profile->SetValue<int>(kStardustProperty, stardust);
    profile->SetValue<int>(kMoondustProperty, moondust);
}

void CResources::LoadResources()
{
    CProfile* profile = CProfile::current;
    wood = profile->GetValue<int>(kWoodProperty);
    fish = profile->GetValue<int>(kFishProperty);
    for (int i = 0; i < 3; i++) {
        vegetables[i] = profile->GetValue<int>(kVegetableProperties[i]);
    }
    rock = profile->GetValue<int>(kRockProperty);
    stardust = profile->GetValue<int>(kStardustProperty);
    moondust = profile->GetValue<int>(kMoondustProperty);
    for (int& zone : zones) {
        zone = -1;
    }
}
