#include "CCrateBarrel.h"

#include "CControllerGame.h"
#include "CMap.h"

CCrateBarrel* CCrateBarrel::currentContainer = nullptr;

CCrateBarrel::CCrateBarrel(int atX, int atY, bool isACrate) : crate(isACrate), opened(false)
{
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
    if (CMap* island = CControllerGame::island) {
        island->CenterScreen(static_cast<int>(x), static_cast<int>(y), false, false, true);
    }
}
