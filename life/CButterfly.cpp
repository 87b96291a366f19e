#include "CButterfly.h"

CButterfly* CButterfly::butterfly[CButterfly::BUTTERFLIES] = {};

CButterfly::CButterfly(int atX, int atY, char kind) : colour(kind)
{
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
}

CButterfly::~CButterfly()
{
    for (CButterfly*& slot : butterfly) {
        if (slot == this) {
            slot = nullptr;
        }
    }
}

void CButterfly::Hide() {}
void CButterfly::UnHide() {}
void CButterfly::Pump(int, int, int) {}
void CButterfly::Rollover(bool) {}

void CButterfly::LoadButterflies() {}
