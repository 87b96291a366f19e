#include "CControllerBuild.h"

#include <SDL.h>

CControllerBuild::CControllerBuild() {}

CControllerBuild::~CControllerBuild() = default;

void CControllerBuild::GotFocusBack() {}

void CControllerBuild::Pump()
{
    GetInput();
}

void CControllerBuild::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        ShutDown(0);
    }
}

void CControllerBuild::InputMouseMove(int, int) {}

void CControllerBuild::InputMouseClick(bool left, bool, bool released)
{
    if (hasFocus && left && released) {
        ShutDown(0);
    }
}
