// The screens tests open others from: they take no input and draw nothing.
#pragma once

#include "CController.h"

class QuietScreen : public CController {
public:
    void GotFocusBack() override {}
    void Pump() override {}
    void InputKey(bool, int) override {}
    void InputMouseMove(int, int) override {}
    void InputMouseClick(bool, bool, bool) override {}
};

// Deletes the screen it opened when that screen hands the focus back.
template <class Screen>
class ClosingOpener : public QuietScreen {
public:
    void GotFocusBack() override
    {
        backs++;
        delete screen;
        screen = nullptr;
    }

    Screen* screen = nullptr;
    int backs = 0;
};
