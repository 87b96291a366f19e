#include "CCrateBarrel.h"

#include "CControllerGame.h"
#include "CMap.h"

CCrateBarrel* CCrateBarrel::currentContainer = nullptr;

CCrateBarrel::CCrateBarrel(int atX, int atY, bool isFirst, bool) : crate(isFirst), first(isFirst), opened(false)
{
    if (atX == -1) {
        atX = atY = 0;
    }
    x = footX = static_cast<float>(atX);
    y = footY = static_cast<float>(atY);
    isCrate = true;
    currentContainer = this;
}

CCrateBarrel::~CCrateBarrel()
{
    if (currentContainer == this) {
        currentContainer = nullptr;
    }
}

void CCrateBarrel::Hide() {}
void CCrateBarrel::UnHide() {}
void CCrateBarrel::Pump(int, int, int) {}
void CCrateBarrel::Rollover(bool) {}

void CCrateBarrel::CenterScreen()
{
    if (CControllerGame::island) {
        CControllerGame::island->CenterScreen(GetX(), GetY(), false, false, true);
    }
}
