// Stand-in until the screen is built: opened over the main menu, it closes
// on a click or Escape.
#pragma once

#include "CController.h"

class CControllerInstructions : public CController {
public:
    void GotFocusBack() override {}
    void Pump() override { GetInput(); }
    void InputKey(bool released, int key) override;
    void InputMouseMove(int, int) override {}
    void InputMouseClick(bool left, bool right, bool released) override;
};
