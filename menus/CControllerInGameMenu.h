// Stand-in for the in-game menu until it is built: opened by the game screen
// (Escape or its menu button), it leaves the island at once. It closes
// itself and the game screen above it, whose end stores the island, so the
// player is back on the screen that opened the game.
#pragma once

#include "CController.h"

class CControllerInGameMenu : public CController {
public:
    CControllerInGameMenu();
    ~CControllerInGameMenu() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;
};
