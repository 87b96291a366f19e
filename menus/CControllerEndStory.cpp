#include "CControllerEndStory.h"

#include <SDL.h>

CControllerEndStory::CControllerEndStory() {}

CControllerEndStory::~CControllerEndStory() = default;

void CControllerEndStory::GotFocusBack() {}

void CControllerEndStory::Pump()
{
    GetInput();
}

void CControllerEndStory::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        ShutDown(0);
    }
}

void CControllerEndStory::InputMouseMove(int, int) {}

void CControllerEndStory::InputMouseClick(bool left, bool, bool released)
{
    if (hasFocus && left && released) {
        ShutDown(0);
    }
}
