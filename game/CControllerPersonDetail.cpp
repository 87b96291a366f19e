#include "CControllerPersonDetail.h"

#include <SDL.h>

CControllerPersonDetail::CControllerPersonDetail(CPerson* shown) : result(0), person(shown) {}

CControllerPersonDetail::~CControllerPersonDetail() = default;

void CControllerPersonDetail::GotFocusBack() {}

void CControllerPersonDetail::Pump()
{
    GetInput();
}

void CControllerPersonDetail::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        ShutDown(0);
    }
}

void CControllerPersonDetail::InputMouseMove(int, int) {}

void CControllerPersonDetail::InputMouseClick(bool left, bool, bool released)
{
    if (hasFocus && left && released) {
        ShutDown(0);
    }
}
