// Stand-in for the build menu until it is built: the game screen opens it
// from the build button; a click or Escape closes it with nothing chosen.
#pragma once

#include "CController.h"

class CControllerBuild : public CController {
public:
    CControllerBuild();
    ~CControllerBuild() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;
};
