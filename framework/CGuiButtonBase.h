// The base of the clickable widgets (buttons and check boxes) and the one
// process-wide list they register in. Widgets are polled: the focused screen
// pumps the list once a frame (hover and animation) and forwards every
// left-button event to it; a release over the hovered widget calls the owner
// screen's GUICallback. Only widgets whose owner has the focus take part, so
// the widgets of screens further down the focus chain stay inert while a
// child screen runs. The first widget in construction order under the pointer
// wins the frame.
// Each widget belongs to the screen that constructed it, which deletes it.
#pragma once

#include <vector>

class CController;
class CSprite;

class CGuiButtonBase {
public:
    CGuiButtonBase(int x, int y, int id, CController* owner, bool defaultButton);
    virtual ~CGuiButtonBase();
    CGuiButtonBase(const CGuiButtonBase&) = delete;
    CGuiButtonBase& operator=(const CGuiButtonBase&) = delete;

    // One frame of hover and animation; a widget under the pointer claims
    // the frame by writing its id into currentButton while it is still -1.
    virtual void Pump() = 0;
    // Clicks this widget when it is the hovered one (or when forced); true
    // when it took the click. The owner's GUICallback may delete the widget,
    // so nothing of it is touched after the call.
    virtual bool HandleClick(bool useDefault, bool force);
    virtual void Hide() = 0;
    virtual void UnHide() = 0;
    virtual bool IsMouseOver() = 0;
    // Puts the pointer over the widget.
    virtual void MoveMouseOver() = 0;
    virtual bool IsHeldDown() = 0;

    // An inactive widget is not pumped and not clickable; its look stays.
    void SetActive(bool active);
    bool IsActive();
    bool IsHidden();
    // Shown, active and owned by the focused screen.
    bool IsLive();

    // Once a frame, from the focused screen's Pump.
    static void PumpAll();
    // Every left-button event of the focused screen (released true on the
    // button's release); a press followed by a release clicks the first live
    // widget under the pointer at the release, even when the pointer moved
    // there after the last pump. Screens pass false for useDefault.
    static void LeftMouseClick(bool released, bool useDefault);
    // Clicks the hovered widget; failing that, with useDefault, the first
    // live default widget.
    static void ClickActive(bool useDefault);
    // Keyboard stepping: moves currentButton to the next (or previous) id
    // of a live widget and puts the pointer over it.
    static void ChangeButton(bool backwards);
    static void PrintCurrentButton();

    // Loads frames first..last of an image name holding one "%i" (a name
    // without one is loaded once per frame).
    static void LoadFrames(CSprite* sprite, const char* pattern, int first, int last);

    CController* owner;
    int x, y;
    int id;

    static std::vector<CGuiButtonBase*> buttons;
    // The id of the widget under the pointer this frame, -1 for none.
    static int currentButton;
    static bool leftMouseDown;

protected:
    bool OwnerHasFocus();
    // Plays the click sound and calls the owner back with (id, value); the
    // callback may delete this widget.
    void Click(int value);
    // Shows or hides a sprite only when that changes something, so an
    // unchanged look costs the renderer nothing.
    static void Show(CSprite* sprite, bool shown);
    // Plays an animation forward to its last frame and holds it there; one
    // already playing forward or holding its end is left alone.
    static void RunForward(CSprite* sprite);

    bool hidden;
    bool inactive;
    bool defaultButton;
};
