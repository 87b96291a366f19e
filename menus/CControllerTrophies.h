// The trophy room, and the trophy store the whole game awards its 25
// trophies through. Trophy i (0 to 24) is bit i, mask 1 << i, of int profile
// property 65, so held trophies follow the active profile. Each newly won
// trophy is also queued for the game screen, which announces the oldest with
// the trophy pop-up, one a frame; the queue lives for the run and is never
// saved.
//
// The room's screen is a stand-in until it is built: it closes on a click
// or Escape.
#pragma once

#include "CController.h"

#include <queue>

class CControllerTrophies : public CController {
public:
    CControllerTrophies();
    ~CControllerTrophies() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;

    static constexpr int kTrophies = 25;

    // Awards every trophy of mask not yet held and queues mask once for its
    // announcement; a mask already held in full changes nothing. Bits above
    // trophy 24 are dropped.
    static void CompleteTrophy(int mask);
    // True when every bit of mask is held (so a mask of 0 is always held).
    static bool IsTrophyComplete(int mask);
    // Held trophies among bits 0 to 24: 0 to 25.
    static int NumTrophiesUnlocked();
    // Takes every trophy away; masks still queued stay queued.
    static void ResetAllTrophies();
    // Holds the bits of mask without announcing them.
    static void SetVar(int mask);
    static bool CheckVar(int mask);

    // Masks won and not yet announced, oldest at the front.
    static std::queue<int> trophyUnlockQueue;
};
