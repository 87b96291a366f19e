#include "CDust.h"

#include "CControllerGame.h"
#include "Utilities.h"

#include <algorithm>

CSound* CDust::sndObservatory = nullptr;
std::vector<CDust*> CDust::dust;

CDust::CDust(bool star, int atX, int atY, int wait) : stardust(star), collected(false), height(0.0f), delay(wait)
{
    if (atX == -1) {
        atX = RangedRandom(96, 3905);
    }
    if (atY == -1) {
        atY = RangedRandom(96, 3905);
    }
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
    isDust = true;
    dust.push_back(this);
}

CDust::~CDust()
{
    dust.erase(std::remove(dust.begin(), dust.end(), this), dust.end());
}

int CDust::DroppedOn()
{
    if (collected) {
        return 0;
    }
    collected = true;
    if (CControllerGame::game) {
        CControllerGame::game->AddDust(stardust);
    }
    CControllerGame::lastDustPickup = 0;
    return 0;
}

void CDust::Hide() {}
void CDust::UnHide() {}
void CDust::Pump(int, int, int) {}
void CDust::Rollover(bool) {}
