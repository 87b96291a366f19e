// A building of any type with the plain look every kind starts from: no
// marker, name, side-panel picture, stand points, grass or boxes of its own.
// Tests of what all buildings share use it where a real kind's own behaviour
// (a wonder's shower, a ship's question) would get in the way.
#pragma once

#include "CBuildingKind.h"

class PlainBuilding : public CBuildingKind {
public:
    // At the placement point (x, y), world pixels.
    PlainBuilding(int type, int variant, int x, int y) : CBuildingKind(kPlainLook, type, variant, x, y)
    {
        isHut = type == kHut;
    }

private:
    static constexpr int kHut = 1;
    static constexpr building_look kPlainLook = {70, nullptr, 0, 0, 0, nullptr, {}, 0, {}, 0, {}, {}, 0, {}, 0};
};
