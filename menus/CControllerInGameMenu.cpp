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
    // The menu, the game screen and the island chooser close, one a frame,
    // back to the main menu.
    ShutDown(2);
}

void CControllerInGameMenu::InputKey(bool, int) {}
void CControllerInGameMenu::InputMouseMove(int, int) {}
void CControllerInGameMenu::InputMouseClick(bool, bool, bool) {}
