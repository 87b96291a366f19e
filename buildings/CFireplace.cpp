#include "CFireplace.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CResources.h"
#include "CSprite.h"
#include "Utilities.h"

#include <algorithm>

namespace {

constexpr int kFireplace = 9;
constexpr int kCornerGap = 6;

}  // namespace

std::vector<CFireplace*> CFireplace::fireplaces;

CFireplace::CFireplace(int atX, int atY) : CStandInBuilding(kFireplace, kFireplace, atX, atY)
{
    fireplaces.push_back(this);
}

CFireplace::CFireplace(const building_data& saved) : CStandInBuilding(saved)
{
    fireplaces.push_back(this);
}

CFireplace::~CFireplace()
{
    fireplaces.erase(std::remove(fireplaces.begin(), fireplaces.end(), this), fireplaces.end());
}

bool CFireplace::Usable()
{
    return IsComplete() && !IsBeingDemolished() && !IsDemolished();
}

bool CFireplace::IsBurning()
{
    CMap* island = CControllerGame::island;
    CResources* stock = CControllerGame::Resources();
    if ((island && island->raining) || !stock || stock->GetWood() < 1) {
        return false;
    }
    return std::any_of(fireplaces.begin(), fireplaces.end(), [](CFireplace* fire) { return fire->Usable(); });
}

CFireplace* CFireplace::FindWorkCoords(int& atX, int& atY, int& dir, bool nearest)
{
    CFireplace* best = nullptr;
    int bestDistance = 0;
    for (CFireplace* fire : fireplaces) {
        if (!fire->Usable()) {
            continue;
        }
        const int distance = fire->GetDistFrom(atX, atY);
        if (!best || (nearest && distance < bestDistance)) {
            best = fire;
            bestDistance = distance;
        }
    }
    if (!best) {
        return nullptr;
    }
    // One of the four corners, each facing the fire.
    const int corner = RangedRandom(0, 3);
    const int width = best->sprite ? best->sprite->GetW() : 40;
    const int height = best->sprite ? best->sprite->GetH() : 40;
    const int left = Round(best->x) - kCornerGap, right = Round(best->x) + width + kCornerGap;
    const int top = Round(best->y) + height / 2, bottom = Round(best->y) + height + kCornerGap;
    constexpr int kFacing[4] = {1, 2, 0, 3};
    atX = corner % 2 == 0 ? left : right;
    atY = corner < 2 ? top : bottom;
    dir = kFacing[corner];
    return best;
}
