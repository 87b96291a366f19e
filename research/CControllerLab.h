// The potion lab, opened from the game screen's potion button, a science
// station's lab button or the research screen. When it closes the game
// screen reads the potion mixed (0 none), its colour and two mist colours.
#pragma once

#include "CController.h"
#include "Types.h"

class CControllerLab : public CController {
public:
    CControllerLab();
    ~CControllerLab() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;

    int potion;  // 0 none made
    RGBA_data potionColour;
    RGBA_data mistColourA, mistColourB;
};
