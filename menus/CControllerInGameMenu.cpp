#include "CControllerInGameMenu.h"

#include "CRenderer.h"

CControllerInGameMenu::CControllerInGameMenu() = default;

CControllerInGameMenu::~CControllerInGameMenu()
{
    // The game screen froze its picture before opening this one.
    if (renderer) {
        renderer->Swap();
    }
}

void CControllerInGameMenu::GotFocusBack() {}

void CControllerInGameMenu::Pump()
{
    // The menu and the game screen close, one a frame.
    ShutDown(1);
}

void CControllerInGameMenu::InputKey(bool, int) {}
void CControllerInGameMenu::InputMouseMove(int, int) {}
void CControllerInGameMenu::InputMouseClick(bool, bool, bool) {}
