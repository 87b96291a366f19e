// A small oscillator that gives a smooth back-and-forth offset, one step a
// frame: the floating numbers sway with it and the islanders bob with it.
// Its owner makes and deletes it.
#pragma once

class CUtilBounce {
public:
    // The offset swings between -amplitude and +amplitude over 4 x range
    // steps; phase (0 to 4 x range - 1) sets where in the swing it starts.
    CUtilBounce(int base, int range, float exponent, float amplitude, int phase);

    void Pump();
    // base + the current offset, truncated toward zero.
    int GetVal() const;

    float base;
    int position;  // -range..range
    int range;
    float exponent;
    float amplitude;
    int direction;  // +1 or -1
    float value;    // 0 until the first Pump
};
