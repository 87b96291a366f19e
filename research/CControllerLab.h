// Stand-in for the potion lab until it is built: an empty screen that the
// game screen opens and that closes on a click or Escape.
#pragma once

#include "CController.h"

class CControllerLab : public CController {
public:
    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;
};
