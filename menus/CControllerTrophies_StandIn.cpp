// Until the trophy room is built: a click or Escape closes it.
#include "CControllerTrophies.h"

#include <SDL.h>

CControllerTrophies::CControllerTrophies() {}

CControllerTrophies::~CControllerTrophies() = default;

void CControllerTrophies::GotFocusBack() {}

void CControllerTrophies::Pump()
{
    GetInput();
}

void CControllerTrophies::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        ShutDown(0);
    }
}

void CControllerTrophies::InputMouseMove(int, int) {}

void CControllerTrophies::InputMouseClick(bool left, bool, bool released)
{
    if (hasFocus && left && released) {
        ShutDown(0);
    }
}
