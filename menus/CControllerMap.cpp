#include "CControllerMap.h"

#include <SDL.h>

CSprite* CControllerMap::sMap = nullptr;

CControllerMap::CControllerMap() : chosenX(-1), chosenY(-1), trophyRoom(false) {}

CControllerMap::~CControllerMap() = default;

void CControllerMap::GotFocusBack() {}

void CControllerMap::Pump()
{
    GetInput();
}

void CControllerMap::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        ShutDown(0);
    }
}

void CControllerMap::InputMouseMove(int, int) {}

void CControllerMap::InputMouseClick(bool left, bool, bool released)
{
    if (hasFocus && left && released) {
        ShutDown(0);
    }
}
