#include "CDust.h"

#include <algorithm>

CSound* CDust::sndObservatory = nullptr;
std::vector<CDust*> CDust::dust;

CDust::CDust(int atX, int atY, bool star) : stardust(star), collected(false)
{
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
    isDust = true;
    dust.push_back(this);
}

CDust::~CDust()
{
    dust.erase(std::remove(dust.begin(), dust.end(), this), dust.end());
}

void CDust::Hide() {}
void CDust::UnHide() {}
void CDust::Pump(int, int, int) {}
void CDust::Rollover(bool) {}
