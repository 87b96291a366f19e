// Fading footprints where islanders walk on low, wet ground. Only statics:
// the islanders add a print at each foot-down picture of their walk, and the
// game screen moves the prints once a frame and unloads them when it closes.
// Every footprint picture and its 29 fading copies are made once, at the
// first print; prints are pooled per foot and reused once faded, so a print
// costs no image work. Nothing is made while the visual effects are off, and
// nothing is saved.
#pragma once

#include <vector>

class CSprite;

struct foot_struct {
    int x, y;  // world px of the print's top-left
    CSprite* sprite;
};

class CFootprint {
public:
    static constexpr int DIRECTIONS = 4;  // NE, SE, SW, NW
    static constexpr int FEET = 2;        // left, right
    static constexpr int BODIES = 3;      // baby, kid, adult
    static constexpr int VARIANTS = 2;
    static constexpr int FADE_STEPS = 30;  // the last one is fully transparent

    // Loads every footprint picture and makes its fade steps; nothing once done.
    static void LoadImages();
    // A print of one foot at an islander's foot point, world (x, y). depth:
    // the ground's depth there; only ground between 1.0 and 1.55 (both
    // excluded) takes a print, fainter the higher it lies. direction 0..3.
    static void AddPrint(int x, int y, float depth, bool left, bool male, bool kid, bool baby, int direction,
                         bool alternativeWalk);
    // Moves every print that is still fading; the map's scroll offset.
    static void PumpAll(int offsetX, int offsetY);
    // Deletes every print and releases every footprint picture.
    static void Unload();

    static std::vector<foot_struct> feet[DIRECTIONS][FEET][BODIES];
    static int feetImages[DIRECTIONS][FEET][BODIES][VARIANTS][FADE_STEPS];
    static bool imagesLoaded;
};
