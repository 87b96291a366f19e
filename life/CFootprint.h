// Stand-in for the footprints until they are built: where islanders walking on
// low, wet ground have left prints, listed by direction, foot and body, and
// nothing drawn yet.
#pragma once

#include <vector>

class CSprite;

struct foot_struct {
    int x, y;  // world pixels
    CSprite* sprite;
};

class CFootprint {
public:
    // One print; only with the visual effects on and on ground of depth
    // above 1.0 and below 1.55. Kid wins over baby; otherwise an adult.
    static void AddPrint(int x, int y, float depth, bool left, bool male, bool kid, bool baby, int direction,
                         bool alternativeWalk);
    static void PumpAll(int offsetX, int offsetY);
    static void Unload();

    // [direction 0..3][foot 0 left, 1 right][body 0 baby, 1 kid, 2 adult]
    static std::vector<foot_struct> feet[4][2][3];
};
