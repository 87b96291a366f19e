#include "CRipple.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CProfile.h"
#include "CSprite.h"

namespace {

constexpr int kVisualEffectsProperty = 7;
constexpr int kRippleZ = 9;
// Deeper than this counts as land or shallow water.
constexpr float kShallowest = 0.6f;
constexpr int kHalfW = 73;
constexpr int kHalfH = 41;

bool IsFree(const ripple_data& ripple)
{
    return ripple.delay == -1 && ripple.sprite->Hidden() && ripple.sprite->AtEnd() && ripple.sprite->Paused();
}

}  // namespace

std::vector<ripple_data> CRipple::ripples;

void CRipple::AddRipple(int atX, int atY, int delay)
{
    CMap* island = CControllerGame::island;
    if (!CProfile::current || !CProfile::current->GetValue<bool>(kVisualEffectsProperty) || !island ||
        island->GetWaterDepth(atX, atY, 50) > kShallowest) {
        return;
    }
    const int left = atX - kHalfW;
    const int top = atY - kHalfH;
    for (ripple_data& ripple : ripples) {
        if (IsFree(ripple)) {
            ripple.x = left;
            ripple.y = top;
            ripple.sprite->Move(-100, -100);
            ripple.sprite->ResetStart();
            ripple.delay = delay;
            return;
        }
    }
    CSprite* sprite = new CSprite(kRippleZ, 1);
    sprite->LoadImage("ripples", 0, 34, ".png");
    sprite->PauseWhenDone();
    sprite->Move(-100, -100);
    sprite->Hide();
    ripples.push_back(ripple_data{left, top, sprite, delay});
}

void CRipple::PumpAll(int offsetX, int offsetY)
{
    for (ripple_data& ripple : ripples) {
        CSprite* sprite = ripple.sprite;
        if (ripple.delay == 0) {
            sprite->UnHide();
            sprite->PlayForward();
        }
        if (!sprite->Hidden()) {
            sprite->Move(offsetX + ripple.x, offsetY + ripple.y);
        }
        if (sprite->AtEnd() && sprite->Paused()) {
            sprite->Hide();
            ripple.delay = -1;
        }
        if (ripple.delay >= 0) {
            ripple.delay--;
        }
    }
}

void CRipple::Unload()
{
    for (ripple_data& ripple : ripples) {
        delete ripple.sprite;
    }
    ripples.clear();
}
