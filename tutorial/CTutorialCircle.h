// The tutorial's highlight circle: an animated ring round the thing a step
// talks about, a button on a screen or a spot on the island. Its frames are
// arcs that stand at one point and appear one a pump until the ring is
// whole, stay a while, then all vanish for one pump and the drawing starts
// again. At most one is shown, held by CTutorialDialog::tutorialCircle;
// whoever replaces or removes it deletes it through that pointer, and a
// circle deleted otherwise (CObject::UnloadAll) clears the pointer itself.
#pragma once

#include "CObject.h"

class CSprite;

class CTutorialCircle : public CObject {
public:
    static constexpr int kMaxFrames = 29;

    // (x, y): the ring's top-left corner, world pixels on the island, else
    // screen pixels. letter 'A'..'L' picks the ring; any other gives none.
    CTutorialCircle(int x, int y, bool onIsland, char letter);
    ~CTutorialCircle() override;

    void Hide() override { hidden = true; }
    void UnHide() override { hidden = false; }
    // One animation step; a circle on the island follows the scroll offset.
    void Pump(int offsetX, int offsetY, int steps) override;
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override {}
    void Rollover(bool) override {}
    // The x given at construction.
    int GetX() override;
    int GetY() override;

    // Frames of a letter's ring; 0 for a letter outside 'A'..'L'.
    static int FramesOf(char letter);

    bool hidden;
    int cycle;
    int frameCount;
    bool onIsland;
    CSprite* frameSprites[kMaxFrames];
};
