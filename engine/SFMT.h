// The SIMD-oriented Fast Mersenne Twister, SFMT-19937. The state is refilled
// with SSE2 where the compiler offers it and with plain 32-bit word arithmetic
// elsewhere; both give the same outputs on every machine.
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
    uint32_t GenRand32()
    {
        if (index >= kWords) {
            Refill();
            index = 0;
        }
        return state[index++];
    }

private:
    void CertifyPeriod();
    void Refill();

    alignas(16) uint32_t state[kWords];
    int index;
};
