// Stand-in for the ripples until they are built: a ring spreading on the
// water where something touched it, listed in CRipple::ripples while it
// lasts. A ripple is a world object that ends itself.
#pragma once

#include "CObject.h"

#include <vector>

class CRipple : public CObject {
public:
    ~CRipple() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;

    // A ripple at world (x, y) after delay frames; nothing with the visual
    // effects off or on land.
    static void AddRipple(int x, int y, int delay);

    int delay;  // frames before it shows
    int life;   // frames it shows

    static std::vector<CRipple*> ripples;

private:
    CRipple(int x, int y, int delay);
};
