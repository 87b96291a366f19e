// The workplaces' fixture: the buildings' fixture with the mouse put over a
// visible pixel of a building, as a player pointing at it would.
#pragma once

#include "tests/buildings/BuildingsFixture.h"

class WorkplaceTest : public BuildingsTest {
protected:
    // Scans the building's picture on the screen; false when no pixel hits.
    bool MouseOver(CBuilding* building)
    {
        for (int dy = 0; dy < 400; dy += 4) {
            for (int dx = 0; dx < 400; dx += 4) {
                MouseAtWorld(Round(building->x) + dx, Round(building->y) + dy);
                int z = 0;
                if (building->IsAtCoords(z, -1, -1)) {
                    return true;
                }
            }
        }
        return false;
    }
};
