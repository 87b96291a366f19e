#include "CControllerInGameMenu.h"


CControllerInGameMenu::CControllerInGameMenu() = default;

// The game screen gives its frozen picture back when this one closes.
CControllerInGameMenu::~CControllerInGameMenu() = default;

void CControllerInGameMenu::GotFocusBack() {}

void CControllerInGameMenu::Pump()
{
    // The menu and the game screen close, one a frame.
    ShutDown(1);
}

void CControllerInGameMenu::InputKey(bool, int) {}
void CControllerInGameMenu::InputMouseMove(int, int) {}
void CControllerInGameMenu::InputMouseClick(bool, bool, bool) {}
