// A relic the storms wash out of the sand: it sparkles now and then, lies for
// a long while and sinks away again; an islander dropped on it collects it as
// a lab reagent. CRelic::relic lists every relic (the mini-map reads it); a
// relic is a world object that stays listed (hidden once gone) until the
// island's objects are unloaded.
#pragma once

#include "CObject.h"

#include <vector>

class CRelic : public CObject {
public:
    // World (x, y); both -1: a free spot the relic searches itself.
    CRelic(int x, int y);
    ~CRelic() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    // Collects the relic; always task 0.
    int DroppedOn() override;
    void Rollover(bool over) override;
    void GiveResponse(bool yes) override;

    void FindNewLocation();

    CSprite* sprite;  // owned; null once the relic is gone for good
    int lifetime;
    CSprite* glint;   // owned, the sparkle; null once gone for good
    int glintCountdown;  // frames to the next sparkle
    int glintSpot;       // 0..2
    bool hidden;
    int variant;  // 0..9, the picture "relic_%c.png" with 'A' + variant

    static std::vector<CRelic*> relic;

private:
    bool ended;  // collected or its life over: the pictures go once the sparkle ends
};
