#include "CControllerInGameMenu.h"


CControllerInGameMenu::CControllerInGameMenu() = default;

// The game screen gives its frozen picture back when this one closes.
CControllerInGameMenu::~CControllerInGameMenu() = default;

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
