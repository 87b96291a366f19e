// Stand-in for the in-game menu until it is built: opened by the game screen
// (Escape or its menu button), it leaves the island at once for the main
// menu. It closes itself, the game screen, whose end stores the island, and
// the island chooser that opened the game.
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
