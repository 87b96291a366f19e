// The island's twenty butterflies. Each perches, flaps its wings in place or
// flies a short straight diagonal over grass and sand, keeps out of the way of
// whatever stands on the island, and takes off when an islander comes near or
// the player clicks it; a potion calls them all to one point. They are world
// objects held in a fixed array, made afresh with every new island and never
// saved; a butterfly's destructor clears its own slot.
#pragma once

#include "CObject.h"

class CSprite;

class CButterfly : public CObject {
public:
    static constexpr int BUTTERFLIES = 20;

    // States: perched, flying diagonally, or flapping in place, each facing
    // left (even) or right (odd).
    enum {
        SIT_LEFT,
        SIT_RIGHT,
        FLY_LEFT_UP,
        FLY_RIGHT_UP,
        FLY_LEFT_DOWN,
        FLY_RIGHT_DOWN,
        FLAP_LEFT,
        FLAP_RIGHT
    };

    // A butterfly of a look no other butterfly has (while looks last), without
    // a place yet.
    CButterfly();
    ~CButterfly() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    // (x, y): world px, or (-1, -1) for the mouse.
    bool IsAtCoords(int& z, int x, int y) override;
    // A butterfly that is not flying takes off.
    void Clicked() override;
    void Rollover(bool over) override;

    // Replaces the island's butterflies with twenty new ones at free grass
    // spots. The shared generator continues as if the spots had cost nothing.
    static void LoadButterflies();
    // Every butterfly moves to world (x, y); those not flying take off there.
    static void SummonTo(int x, int y);

    // A random free grass spot, searched without touching the seeded
    // sequence. When none is found the butterfly stays hidden (logged).
    void FindNewLocation();
    // A flight in direction state 2..5, or -1 for a random one. When no good
    // flight turns up the butterfly moves to a new spot and perches.
    void FlySomewhere(int direction);
    bool IsFlying();
    void FlyAway();

    float vx, vy;  // world px a frame while flying
    CSprite* flyLeftUp;
    CSprite* flyRightUp;
    CSprite* flyLeftDown;
    CSprite* flyRightDown;
    CSprite* sitLeft;
    CSprite* sitRight;
    CSprite* flapLeft;
    CSprite* flapRight;
    CSprite* current;  // the one of the eight above that is shown
    CSprite* shadowLeft;
    CSprite* shadowRight;
    int state;
    int timer;  // frames until the next decision
    char kind;  // the look, 'A'..'O'
    bool lost;  // no free spot was found: shown nowhere until one is

    static CButterfly* butterfly[BUTTERFLIES];  // null where none
    static bool butterfliesInitialized;

private:
    CSprite* SpriteOf(int forState);
    bool FacesLeft();
    // The nearest islander on the ground to world (x, y); -1 when none.
    static int ClosestIslander(int x, int y);
};
