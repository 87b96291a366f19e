// A draggable knob over an under-image. It sends no callback: the owner
// screen pumps the sliders once a frame, asks IsHeldDown whether the player
// is dragging this knob, moves it with SetX (clamping it to its own track)
// and turns GetX into its value. The knob's five-frame grab animation plays
// forward while the pointer is over it and back when it leaves, and is also
// the drag state, so at most one slider is held at a time. Sliders keep a
// list of their own, apart from the clickable widgets. The screen that
// constructs a slider deletes it.
#pragma once

#include <vector>

class CSprite;

class CGuiSliderBar {
public:
    // rolloverPattern holds one "%i" for the grab frames 1 to 5.
    CGuiSliderBar(int x, int y, const char* knobImage, const char* underImage, const char* rolloverPattern);
    virtual ~CGuiSliderBar();
    CGuiSliderBar(const CGuiSliderBar&) = delete;
    CGuiSliderBar& operator=(const CGuiSliderBar&) = delete;

    void SetX(int x);
    void SetY(int y);
    int GetX();
    int GetY();
    // The knob's size.
    int GetW();
    int GetH();
    void Hide();
    void UnHide();
    // The knob's pixel test at the pointer.
    bool IsMouseOver();
    void Pump();
    bool IsHeldDown();

    // Every left-button event of a screen with sliders; the second flag has
    // no effect.
    static void LeftMouseClick(bool released, bool unused);
    static void PumpAll();

    static std::vector<CGuiSliderBar*> buttons;
    static bool leftMouseDown;

private:
    // Not at the first grab frame: grabbed or on its way back.
    bool Animated();

    CSprite* under;
    CSprite* knob;
    int x, y;
};
