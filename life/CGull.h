// Stand-in for the gulls until they are built: the call the island makes
// after a playable island is made, and the island's gulls as the mini-map
// reads them. A gull is a world object; the slot of the array that holds it
// is cleared when it is deleted.
#pragma once

#include "CObject.h"

class CGull : public CObject {
public:
    static constexpr int GULLS = 24;

    // At world (x, y), floating on the water.
    CGull(int x, int y, bool facingLeft);
    ~CGull() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;

    // (Re)creates the island's gulls at fresh places.
    static void LoadBirds();

    bool flying;  // in the air, not floating
    bool away;    // off the island's view altogether
    bool facingLeft;

    static CGull* bird[GULLS];  // null where none
};
