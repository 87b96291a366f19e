// Until the trophy pop-up is built: a click or Escape closes it as okay.
#include "CControllerTrophyUnlock.h"

#include <SDL.h>

CControllerTrophyUnlock::CControllerTrophyUnlock(int won) : mask(won), closedByKeyOrOkay(true) {}

CControllerTrophyUnlock::~CControllerTrophyUnlock() = default;

void CControllerTrophyUnlock::GotFocusBack() {}

void CControllerTrophyUnlock::Pump()
{
    GetInput();
}

void CControllerTrophyUnlock::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        ShutDown(0);
    }
}

void CControllerTrophyUnlock::InputMouseMove(int, int) {}

void CControllerTrophyUnlock::InputMouseClick(bool left, bool, bool released)
{
    if (hasFocus && left && released) {
        ShutDown(0);
    }
}
