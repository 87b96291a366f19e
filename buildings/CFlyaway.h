// A floating number: a skill gain of up to three digits that springs up over
// the island where it was made, rises while swaying sideways, each digit
// playing its own short animation, and then vanishes. The islanders add
// them; the game screen pumps them once a frame and removes them all when it
// unloads. The list owns every number.
#pragma once

#include <vector>

class CSprite;
class CUtilBounce;

class CFlyaway {
public:
    static constexpr int DIGITS = 3;

    // x, y in world pixels; only the last three digits of a larger number
    // show, and 0 shows nothing.
    CFlyaway(int number, int x, int y);
    ~CFlyaway();
    CFlyaway(const CFlyaway&) = delete;
    CFlyaway& operator=(const CFlyaway&) = delete;

    void Pump();
    // index 0 hundreds, 1 tens, 2 units.
    void LoadDigit(int index, int digit);
    // Every digit has played to its end and is hidden (true with no digits).
    bool Finished();

    static void AddFlyaway(int number, int x, int y);
    static void PumpFlyaways();
    static void RemoveFlyaways();

    float x, y;
    int number;
    CSprite* digits[DIGITS];  // owned; null where the digit is not shown
    int left, top;
    int spacing;
    CUtilBounce* sway;  // owned
    int digitCount;
    int frameCounter;

    static std::vector<CFlyaway*> flyaways;
};
