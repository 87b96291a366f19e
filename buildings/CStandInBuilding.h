// The kind of every building type whose own class is not built yet: it keeps
// the saved record, shows the construction pictures, blocks a plain box of
// ground under its picture and is raised, demolished and saved like any
// building, so that no saved building is lost.
#pragma once

#include "CBuildingKind.h"

class CStandInBuilding : public CBuildingKind {
public:
    // At the placement point (x, y), world pixels.
    CStandInBuilding(int type, int variant, int x, int y);
    explicit CStandInBuilding(const building_data& saved);

    static bool PlacementCollision();
};
