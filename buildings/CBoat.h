// The ship on which the band leaves the island. It lies at the shore, facing
// right (variant 21) or left (22): its facing end on land, its middle in the
// water and exactly two of its four stand points dry, where its builders
// stand. Once finished, an islander dropped on it asks whether to set sail.
//
// The world registry owns the ship.
#pragma once

#include "CBuildingKind.h"

class CBoat : public CBuildingKind {
public:
    static constexpr int RIGHT = 21, LEFT = 22;

    // At the placement point (x, y), world pixels, facing by variant;
    // measures which stand points lie in the water.
    CBoat(int x, int y, int variant);
    // A saved ship keeps the water flags of its record.
    explicit CBoat(const building_data& saved);

    void AddObstructions(bool complete) override;
    // A dry stand point; a record with no dry point left is logged and any
    // point is used.
    int GetStandLocation(int& x, int& y, int& dir) override;

    bool IsWet(int point) const { return record.kindFlags[point] != 0; }

    // Whether the ghost at the mouse, taken as facing by variant, rests on
    // the shore: facing end dry, middle wet, exactly two stand points wet.
    static bool CheckForWaterPlacement(int variant);
    // The test of the ghost at the mouse: true blocks, with the ghost red and
    // the reason shown. A ghost that fits only the other way turns round when
    // that way is clear too.
    static bool PlacementCollision();

private:
    void MeasureWater();
};
