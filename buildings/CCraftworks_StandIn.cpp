#include "CCraftworks.h"

#include "CSprite.h"
#include "Utilities.h"

namespace {

constexpr int kCraftworks = 6;
constexpr int kInsideDepthAbove = 500;
constexpr int kRaise = 12;

bool Usable(CBuilding* building)
{
    return building->GetType() == kCraftworks && building->IsInService();
}

}  // namespace

int CCraftworks::numCraftworks = 0;

CCraftworks::CCraftworks(int variant, int atX, int atY) : CStandInBuilding(kCraftworks, variant, atX, atY)
{
    isCraftworks = true;
    numCraftworks++;
}

CCraftworks::CCraftworks(const building_data& saved) : CStandInBuilding(saved)
{
    isCraftworks = true;
    numCraftworks++;
}

CCraftworks::~CCraftworks()
{
    numCraftworks--;
}

bool CCraftworks::AnyUseableCraftworks()
{
    return GetUseableCraftworks() != nullptr;
}

CCraftworks* CCraftworks::GetUseableCraftworks()
{
    for (CBuilding* building : buildings) {
        if (Usable(building)) {
            return static_cast<CCraftworks*>(building);
        }
    }
    return nullptr;
}

CCraftworks* CCraftworks::FindAvailableCraftworks(int& atX, int& atY)
{
    CCraftworks* craftworks = GetUseableCraftworks();
    atX = atY = -1;
    if (craftworks) {
        craftworks->GetEntryCoordinates(atX, atY);
        atY += 20;
    }
    return craftworks;
}

CCraftworks* CCraftworks::FindWorkCoords(int& atX, int& atY, int& dir, bool underMouse, bool raise)
{
    for (CBuilding* building : buildings) {
        int z = 0;
        if (Usable(building) && (!underMouse || building->IsAtCoords(z, -1, -1))) {
            building->GetStandLocation(atX, atY, dir);
            if (raise) {
                atY -= kRaise;
            }
            return static_cast<CCraftworks*>(building);
        }
    }
    return nullptr;
}

void CCraftworks::GetEntryCoordinates(int& atX, int& atY)
{
    atX = Round(x) + (sprite ? sprite->GetW() / 2 : 50);
    atY = Round(y) + (sprite ? sprite->GetH() - 10 : 90);
}

int CCraftworks::GetSleepZ()
{
    return (sprite ? sprite->GetZ() : 0) + kInsideDepthAbove;
}
