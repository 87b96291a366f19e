// The first screen of the run. Start-up owns it as an automatic object and
// gives it the focus without a parent, so its end stops the main loop. Until
// the menus exist it shows one picture and is the road into the game: a left
// click loads the active profile's saved island (or makes a new one) and
// opens the game screen on it; a key or a window close ends the program.
#pragma once

#include "CController.h"

class CControllerGame;
class CSprite;

class CControllerIntro : public CController {
public:
    // Needs the drawing context and the renderer.
    CControllerIntro();
    ~CControllerIntro() override;

    // The game screen coming back is deleted (which stores the island) and
    // the profile is written; any other hand-back ends the program.
    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;

    // The island of the active profile, loaded or new, and the game screen on it.
    void StartGame();

    static CControllerGame* gameScreen;  // null while none is open

private:
    CSprite* background;
};
