// The first screen of the run. Start-up owns it as an automatic object and
// gives it the focus without a parent, so its end stops the main loop. For now
// it only shows one picture through the renderer and ends on a key, a click or
// a window close.
#pragma once

#include "CController.h"

class CSprite;

class CControllerIntro : public CController {
public:
    // Needs the drawing context and the renderer.
    CControllerIntro();
    ~CControllerIntro() override;

    // A child handing back means the program is done.
    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;

private:
    CSprite* background;
};
