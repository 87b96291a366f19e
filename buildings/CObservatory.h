// The observatory: while at least one stands finished and is not coming
// down, every heap of dust that lands on the island sounds the alert. It is
// raised and taken down like every building and keeps one count of the
// observatories in service, which the dust heaps read.
#pragma once

#include "CBuildingKind.h"

class CObservatory : public CBuildingKind {
public:
    // At the placement point (x, y), world pixels.
    CObservatory(int x, int y);
    explicit CObservatory(const building_data& saved);
    ~CObservatory() override;

    // Grass is painted into the finished stages only.
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;

    static bool PlacementCollision();

    // Observatories complete and not being demolished, as of their last pump.
    static int numObservatories;

private:
    bool counted;
    bool grassDone;
};
