// The coastal yard that makes the ship possible: it stands on the shore with
// exactly two of its four stand points in the water, its builders use only
// the dry ones, and while at least one shipyard stands complete the build
// menu offers the ship in its place.
//
// The world registry owns a shipyard. numBuilt counts the complete ones that
// are not coming down; there is no list.
#pragma once

#include "CBuildingKind.h"

class CShipyard : public CBuildingKind {
public:
    // At the placement point (x, y), world pixels; measures which stand
    // points lie in the water.
    CShipyard(int x, int y);
    // A saved shipyard keeps the water flags of its record.
    explicit CShipyard(const building_data& saved);
    ~CShipyard() override;

    void Pump(int offsetX, int offsetY, int steps) override;
    void AddObstructions(bool complete) override;
    // A dry stand point; a record with no dry point left is logged and any
    // point is used.
    int GetStandLocation(int& x, int& y, int& dir) override;

    // Stand point 0..3 lies in the water.
    bool IsWet(int point) const { return record.kindFlags[point] != 0; }

    // The coastal test of the ghost at the mouse: true blocks, with the ghost
    // red and the reason shown.
    static bool PlacementCollision();

    static int numBuilt;

private:
    void MeasureWater();

    bool counted;
};
