// The base of every screen. Exactly one screen has the focus: it alone is
// pumped each frame and receives input. A screen opens a child by passing it
// the focus (the opener keeps the child in a static of its own class and
// deletes it in GotFocusBack) and ends itself by setting a return code, which
// PumpFocus acts on after the screen's Pump:
//   -2 keep running, 0 close and return to the parent, -1 close every screen
//   up to the first (one a frame; the program ends), n > 0 close n + 1 screens.
// The class also owns the shared interface sounds.
#pragma once

class CInput;
class CDraw;
class CRenderer;
class CSound;

class CController {
public:
    CController();
    virtual ~CController();

    virtual void GotFocusBack() = 0;
    virtual void Pump() = 0;
    virtual void InputKey(bool released, int key) = 0;
    // What a screen of buttons does, unless it overrides them: a move shows
    // the pointer; a left button goes to the buttons.
    virtual void InputMouseMove(int x, int y);
    virtual void InputMouseClick(bool left, bool right, bool released);
    virtual void GUICallback(int id, int value);
    virtual void EndTutorial();

    void PassFocus(CController* target);
    // With a parent: records it. Without one: calls our own GotFocusBack
    // unless noCallback is set (the first screen at start-up sets it).
    void GotFocus(CController* parent, bool noCallback);
    void ShutDown(int code);
    void InputQuit();
    void PassFocusBack(int code);
    void GetInput();

    static void Quit();
    static void PumpFocus();

    static void SetMouseMultiplier(float multiplier);
    static float GetMouseMultiplier();
    static void SetMouseAbsolute(bool absolute);
    static bool GetMouseAbsolute();

    static void LoadSounds();
    static void UnloadSounds();
    static void PlayClick();
    static void PlayRollover();
    static void PlayRolloverMainMenu();
    static void PlayDisallowed();

    CController* parent;
    bool hasFocus;
    int returnCode;
    // Set by the game screen: its tutorial dialogs carry the narration check
    // box and the narration and end-tutorial labels.
    bool showTutorialExtras;

    static CController* focus;
    static bool running;
    // While pause is set and frame is not, the dialogs over the island skip
    // their frame after reading input; frame asks for one single step.
    static bool pause;
    static bool frame;
    static CInput* input;
    static CDraw* draw;
    static CRenderer* renderer;
    static CSound* sndClick;
    static CSound* sndRollover[3];
    static CSound* sndDisallowed;

private:
    // Hands the focus from this screen to its parent after it ended with code.
    void HandBack(int code);
};
