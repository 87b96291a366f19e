// The event pump: turns SDL's event queue into calls on the screen being
// pumped. One instance lives for the whole run (CController::input). It also
// keeps the mouse state the pointer and the widgets read, and implements the
// relative mouse mode, in which the program keeps its own pointer position
// scaled by a speed multiplier.
#pragma once

class CController;

class CInput {
public:
    CInput();

    // Reads and dispatches every pending event to target, stopping early
    // when a handler ends target or the focus moves away from it.
    void Pump(CController* target);

    bool leftDown;
    bool rightDown;
    int mouseX;  // 0..800
    int mouseY;  // 0..600
    bool absolute;
    float multiplier;
    float virtualX;
    float virtualY;
};
