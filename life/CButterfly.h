// Stand-in for the butterflies until they are built: the call the island
// makes after a playable island is made, and the island's butterflies as the
// mini-map reads them. A butterfly is a world object; the slot of the array
// that holds it is cleared when it is deleted.
#pragma once

#include "CObject.h"

class CButterfly : public CObject {
public:
    static constexpr int BUTTERFLIES = 20;

    // At world (x, y); colour: its kind letter 'A'..'O'.
    CButterfly(int x, int y, char colour);
    ~CButterfly() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;

    // (Re)creates the island's butterflies at fresh places.
    static void LoadButterflies();

    char colour;

    static CButterfly* butterfly[BUTTERFLIES];  // null where none
};
