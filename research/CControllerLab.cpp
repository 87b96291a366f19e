#include "CControllerLab.h"

#include <SDL.h>

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

void CControllerLab::InputMouseClick(bool, bool, bool released)
{
    if (hasFocus && released) {
        ShutDown(0);
    }
}
