#include "CControllerClothes.h"

#include <SDL.h>

CControllerClothes::CControllerClothes(CPerson* shown) : keepSelection(false), person(shown) {}

CControllerClothes::~CControllerClothes() = default;

void CControllerClothes::GotFocusBack() {}

void CControllerClothes::Pump()
{
    GetInput();
}

void CControllerClothes::InputKey(bool released, int key)
{
    if (hasFocus && released && key == SDLK_ESCAPE) {
        ShutDown(0);
    }
}

void CControllerClothes::InputMouseMove(int, int) {}

void CControllerClothes::InputMouseClick(bool left, bool, bool released)
{
    if (hasFocus && left && released) {
        ShutDown(0);
    }
}
