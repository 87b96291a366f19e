#include "CControllerCrate.h"

#include <SDL.h>

CControllerCrate::CControllerCrate(const feedback_data& asked) : answer(false), request(asked) {}

CControllerCrate::~CControllerCrate() = default;

void CControllerCrate::GotFocusBack() {}

void CControllerCrate::Pump()
{
    GetInput();
}

void CControllerCrate::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        answer = false;
        ShutDown(0);
    }
}

void CControllerCrate::InputMouseMove(int, int) {}

void CControllerCrate::InputMouseClick(bool left, bool, bool released)
{
    if (hasFocus && left && released) {
        answer = true;
        ShutDown(0);
    }
}
