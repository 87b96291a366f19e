// Stand-in for the heaps of stardust and moondust until they are built: the
// observatory's sound that shut-down frees, the heaps on the ground as the
// mini-map reads them, and collection by a dropped islander. A heap is a
// world object listed in CDust::dust.
#pragma once

#include "CObject.h"

#include <vector>

class CSound;

class CDust : public CObject {
public:
    // Lands at world (x, y); a coordinate of -1 is chosen on the island.
    // delay: frames before it falls. It starts hidden; its maker shows it.
    CDust(bool stardust, int x, int y, int delay);
    ~CDust() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;
    // Collection: the dust goes into the stock; task 0.
    int DroppedOn() override;

    bool stardust;
    bool collected;  // picked up; no longer on the ground
    float height;    // above the ground; above 0 while it falls
    int delay;

    static std::vector<CDust*> dust;
    static CSound* sndObservatory;  // null when none
};
