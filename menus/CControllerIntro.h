// The logo screen: the first screen of the program and the root of the
// screen tree. Start-up gives it the focus with no parent. It cross-fades
// from the loading picture into the logo animation, shows up to two splash
// pictures read from plain files beside the program, then opens the main
// menu; when the menu comes back it closes, which ends the main loop.
#pragma once

#include "CController.h"

#include <SDL.h>

class CControllerMain;
class CSprite;

class CControllerIntro : public CController {
public:
    CControllerIntro();
    ~CControllerIntro() override;

    void LoadSprites();
    void UnloadSprites();
    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;

    // Unloads the logo and hands the focus to a new main menu.
    void OpenMainMenu();

    // The clock of the sequence, in milliseconds; tests replace it.
    static Uint32 (*ticks)();
    // Where the splash pictures are looked for, ending in '/'.
    static const char* splashFolder;

    CSprite* lastFrame;
    CSprite* background;
    CSprite* emblem;
    CSprite* emblemShadow;
    CSprite* textA;
    CSprite* textAShadow;
    CSprite* textB;
    CSprite* textBShadow;
    CSprite* splash2;  // null when the file is missing or unreadable
    CSprite* splash3;
    bool spritesLoaded;
    CControllerMain* mainMenu;
    bool done;
    long startTime;  // -1 until the animation starts
    int frameCounter;

private:
    // Splash picture 2 or 3 as a hidden sprite, or null.
    CSprite* LoadSplash(int number, const char* label, int z);
    // Each splash fades in once its time has come, and its time is skipped
    // when it is missing; true while one is fading in.
    bool RunSplashes(long elapsed);
};
