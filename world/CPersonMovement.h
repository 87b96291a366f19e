// TEMPORARY stand-in for the islanders' walker until the walk grid and path
// finding land: only the hook through which obstruction changes reach the
// walk grid, which does nothing yet.
#pragma once

class CPersonMovement {
public:
    // Re-tests the walk-grid links near the rectangle (world pixels).
    static void AlterPathMapDueToObstruction(int x, int y, int w, int h);
};
