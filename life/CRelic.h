// Stand-in for the relics until they are built: a relic lying on the island,
// uncovered by the weather's storms, listed in CRelic::relic for the mini-map.
// A relic is a world object that nobody keeps a pointer to; the world's
// unloading deletes it.
#pragma once

#include "CObject.h"

#include <vector>

class CRelic : public CObject {
public:
    // At world (x, y); both -1: a random free spot on the island's land.
    CRelic(int x, int y);
    ~CRelic() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;

    int number;  // 0..9, the picture "relic_%c.png" with 'A' + number
    bool taken;  // picked up by the player; no longer on the ground

    static std::vector<CRelic*> relic;
};
