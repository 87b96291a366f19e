// Stand-in for the crates and barrels until they are built: the one crate or
// barrel washed up on the island, as the mini-map reads it. It is a world
// object; CCrateBarrel::currentContainer is cleared when it is deleted.
#pragma once

#include "CObject.h"

class CCrateBarrel : public CObject {
public:
    // At world (x, y); x -1: a spot off the shore. first: the game's first
    // crate. Becomes the current container.
    CCrateBarrel(int x, int y, bool first, bool near);
    ~CCrateBarrel() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;
    // Glides the view to the container.
    void CenterScreen();

    bool crate;
    bool first;
    bool opened;  // emptied by the islanders; no longer on the ground

    static CCrateBarrel* currentContainer;  // null when none
};
