// Stand-in for the ending until it is built: the band sets sail; a click
// or Escape closes it and the island chooser moves the band on.
#pragma once

#include "CController.h"

class CControllerEndStory : public CController {
public:
    CControllerEndStory();
    ~CControllerEndStory() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;
};
