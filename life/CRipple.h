// Rings of ripples on the water where an islander swims or dives, a gull
// lands or takes off, a raindrop falls or the player presses the mouse. Only
// statics: callers add a ripple at a world point, the game screen starts,
// moves and retires them once a frame and unloads them when it closes (and
// at the end of a catch-up). Finished ripples are kept and reused. Nothing is
// made while the visual effects are off, and nothing is saved.
#pragma once

#include <vector>

class CSprite;

struct ripple_data {
    int x, y;  // world px of the sprite's top-left
    CSprite* sprite;
    int delay;  // frames until it starts; -1 when idle
};

class CRipple {
public:
    // A ripple centred near world (x, y) after delay frames; nothing on land
    // or in shallow water.
    static void AddRipple(int x, int y, int delay);
    // Starts, moves and retires the ripples; the map's scroll offset.
    static void PumpAll(int offsetX, int offsetY);
    // Deletes every ripple.
    static void Unload();

    static std::vector<ripple_data> ripples;
};
