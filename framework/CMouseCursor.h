// The drawn mouse pointer: sprites at the top depth, so the pointer takes
// part in dirty-rectangle drawing and can change shape (a plain pointer, the
// pincer that picks up islanders, a pressed pointer) and give way to an
// hourglass during long work. It is also where every part of the program
// reads the mouse position.
// Start-up owns the one instance (made after the renderer, destroyed after
// the first screen); its Pump runs once a frame before rendering. The sprites
// live in statics so the renderer and the screens reach them.
#pragma once

class CSprite;

class CMouseCursor {
public:
    // Loads the pointer's images; a missing one is fatal.
    CMouseCursor();
    ~CMouseCursor();
    CMouseCursor(const CMouseCursor&) = delete;
    CMouseCursor& operator=(const CMouseCursor&) = delete;

    // Places the sprites at the mouse and picks the pointer's image.
    void Pump();

    // Screen pixels, 0..800 and 0..600; 0 while there is no event pump.
    static int GetMouseX();
    static int GetMouseY();
    // Hides pointer and hourglass; ShowMouse brings the pointer back on its
    // (frames + 2)-th call. With renderNow their areas are presented at once.
    static void HideMouse(int frames, bool renderNow);
    static void ShowMouse();
    // The hourglass takes the pointer's place until the next ShowMouse.
    static void ShowHourglass(bool renderNow);
    static bool IsHidden();
    // Moves the pointer (clamped to the screen); the focused screen hears of
    // it as a mouse move at its next event read.
    static void MoveCursor(int x, int y);

    static CSprite* sCursor;
    static CSprite* sHourglass;
    static int hideDuration;
    // Set by the game screen: the pressed pointer over the island is the pincer.
    static bool usePincer;
};
