// Until the lab is built: a click or Escape closes it with no potion.
#include "CControllerLab.h"

#include <SDL.h>

CControllerLab::CControllerLab() : potion(0), potionColour{}, mistColourA{}, mistColourB{} {}

CControllerLab::~CControllerLab() = default;

void CControllerLab::GotFocusBack() {}

void CControllerLab::Pump()
{
    GetInput();
}

void CControllerLab::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        ShutDown(0);
    }
}

void CControllerLab::InputMouseMove(int, int) {}

void CControllerLab::InputMouseClick(bool left, bool, bool released)
{
    if (hasFocus && left && released) {
        ShutDown(0);
    }
}
