#include "CRipple.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CProfile.h"

#include <algorithm>

namespace {

constexpr int kVisualEffectsProperty = 7;
constexpr int kLife = 30;
// Shallower than this counts as land.
constexpr float kWaterDepth = 0.6f;

}  // namespace

std::vector<CRipple*> CRipple::ripples;

CRipple::CRipple(int atX, int atY, int frames) : delay(frames), life(kLife)
{
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
    ripples.push_back(this);
}

CRipple::~CRipple()
{
    ripples.erase(std::remove(ripples.begin(), ripples.end(), this), ripples.end());
}

void CRipple::AddRipple(int atX, int atY, int frames)
{
    CMap* island = CControllerGame::island;
    if (!CProfile::current || !CProfile::current->GetValue<bool>(kVisualEffectsProperty) || !island ||
        island->GetWaterDepth(atX, atY, 50) > kWaterDepth) {
        return;
    }
    new CRipple(atX, atY, frames);
}

void CRipple::Hide() {}
void CRipple::UnHide() {}

void CRipple::Pump(int, int, int)
{
    if (delay > 0) {
        delay--;
    } else if (--life <= 0) {
        deleteMe = true;
    }
}

void CRipple::Rollover(bool) {}
