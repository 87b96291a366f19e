// Stand-in for the band's stock of resources until it is built: a world
// object flagged as the resource store, with the ground positions of its
// three piles and the counts of the stock, which the island saves and loads
// with itself. The game screen owns the one stock
// (CControllerGame::Resources).
#pragma once

#include "CObject.h"
#include "Types.h"

class CResources : public CObject {
public:
    CResources();
    ~CResources() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;

    // The centre of pile kind (0 wood, 1 rock, 2 food), world pixels.
    void SetPileCoordinates(int kind, int x, int y);
    // The counts into the active profile, and back.
    void SaveResources();
    void LoadResources();

    int GetWood() const { return wood; }

    coordinate piles[3];  // -1, -1 until set
    int wood, fish, rock, stardust, moondust;
    int vegetables[3];
    int zones[3];  // -1 none
};
