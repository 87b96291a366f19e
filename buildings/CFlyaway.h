// A floating number: a gain shown where it was made, rising and fading.
// Until the real one is built it is remembered but not drawn.
#pragma once

#include <vector>

class CFlyaway {
public:
    // A number of up to three digits at the world point (x, y).
    static void AddFlyaway(int value, int x, int y);
    // One frame of every number; finished ones go.
    static void PumpFlyaways();
    static void RemoveFlyaways();

    int value;
    int x, y;
    int framesLeft;

    static std::vector<CFlyaway> flyaways;
};
