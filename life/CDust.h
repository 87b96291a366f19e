// Stand-in for the heaps of stardust and moondust until they are built: the
// observatory's sound that shut-down frees, and the heaps on the ground as
// the mini-map reads them. A heap is a world object listed in CDust::dust.
#pragma once

#include "CObject.h"

#include <vector>

class CSound;

class CDust : public CObject {
public:
    // At world (x, y); stardust false: moondust.
    CDust(int x, int y, bool stardust);
    ~CDust() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;

    bool stardust;
    bool collected;  // picked up; no longer on the ground

    static std::vector<CDust*> dust;
    static CSound* sndObservatory;  // null when none
};
