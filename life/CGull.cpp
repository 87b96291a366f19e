#include "CGull.h"

CGull* CGull::bird[CGull::GULLS] = {};

CGull::CGull(int atX, int atY, bool left) : flying(false), away(false), facingLeft(left)
{
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
}

CGull::~CGull()
{
    for (CGull*& slot : bird) {
        if (slot == this) {
            slot = nullptr;
        }
    }
}

void CGull::Hide() {}
void CGull::UnHide() {}
void CGull::Pump(int, int, int) {}
void CGull::Rollover(bool) {}

void CGull::LoadBirds() {}
