// The twenty-four gulls of an island. A gull floats and bobs on the sea (less
// in shallow water), takes off when an islander comes near, when clicked,
// when something is built over it or at a random moment, runs over the water
// leaving ripples, climbs away and may let one dropping fall: guano on free
// ground, a ripple in water. A gull that has left the island's area is placed
// anew on open water and shown only once its new spot has been out of view.
// World objects held in a fixed array (the mini-map reads it), made afresh
// with every new island and never saved; a gull's destructor clears its own
// slot.
#pragma once

#include "CObject.h"

class CSound;
class CSprite;
class CUtilBounce;

class CGull : public CObject {
public:
    static constexpr int GULLS = 24;

    // At world (x, y), floating and visible, facing a random way.
    CGull(int x, int y);
    ~CGull() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    // (x, y): world px, or (-1, -1) for the mouse.
    bool IsAtCoords(int& z, int x, int y) override;
    // This gull alone takes off.
    void Clicked() override;
    void Rollover(bool over) override;

    // Replaces the island's gulls with twenty-four new ones on open water.
    static void LoadBirds();
    // A random free spot of open water, searched without touching the seeded
    // sequence. When none is found the gull stays hidden (logged).
    void FindNewLocation();
    // Takes off, unless already flying or still waiting to be seen.
    void FlyAway();

    float waterFactor;  // 0 over deep water .. 1 at the shore: how little it bobs
    int takeOffTimer;
    bool droppingReady;  // may still let a dropping fall in this flight
    float droppingX, droppingY;
    float droppingDx, droppingDy;
    CSprite* droppingSprite;
    CSound* crySound;
    float height;  // above the water while flying, px
    CSprite* flyingSprite;
    CSprite* flyingShadow;
    CSprite* floatingSprite;
    CSprite* floatingShadow;
    CUtilBounce* swayX;
    CUtilBounce* swayY;
    int takeOffCounter;  // 0 at take-off, down to -15 over the run on the water
    bool waiting;        // not shown until its spot has been out of view once
    bool flying;
    bool facingLeft;
    bool lost;  // no free spot was found: shown nowhere

    static CGull* bird[GULLS];  // null where none
    static bool birdsInitialized;

private:
    void TakeOffRipple();
    void PumpDropping(int offsetX, int offsetY, float z);
};
