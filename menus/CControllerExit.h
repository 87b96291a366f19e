// The quit dialog. Until it is built, a stand-in over the main menu that
// answers yes on a click or Escape; the portrait statics are the ones the
// game screen fills.
#pragma once

#include "CController.h"

class CControllerExit : public CController {
public:
    void GotFocusBack() override {}
    void Pump() override { GetInput(); }
    void InputKey(bool released, int key) override;
    void InputMouseMove(int, int) override {}
    void InputMouseClick(bool left, bool right, bool released) override;

    bool quit = false;  // quitting confirmed

    static int personImage;  // image id of the islander picture; -1 when none
};
