// Until the research screen is built: a click or Escape closes it without
// asking for the lab.
#include "CControllerScience.h"

#include <SDL.h>

CControllerScience::CControllerScience() : openLab(false) {}

CControllerScience::~CControllerScience() = default;

void CControllerScience::GotFocusBack() {}

void CControllerScience::Pump()
{
    GetInput();
}

void CControllerScience::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        ShutDown(0);
    }
}

void CControllerScience::InputMouseMove(int, int) {}

void CControllerScience::InputMouseClick(bool left, bool, bool released)
{
    if (hasFocus && left && released) {
        ShutDown(0);
    }
}
