// The SIMD-oriented Fast Mersenne Twister, SFMT-19937, written with plain
// 32-bit word arithmetic so that its output does not depend on the machine.
// The one shared generator of the program lives behind the random functions
// of Utilities.h; islands are reproducible because every draw comes from it.
#pragma once

#include <cstdint>

class SFMT {
public:
    static const int kWords = 624;

    explicit SFMT(uint32_t seed = 5489u) { InitGenRand(seed); }

    void InitGenRand(uint32_t seed);
    void InitByArray(const uint32_t* key, int length);
    uint32_t GenRand32();

private:
    void CertifyPeriod();
    void Refill();

    uint32_t state[kWords];
    int index;
};
