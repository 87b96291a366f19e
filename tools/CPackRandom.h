// Name-seeded hashing and random numbers for the resource-pack builder. Every
// placeholder picture and sound draws its variation from its own name, so the
// same manifest always gives byte-identical output whatever order or machine
// it is built in.
#pragma once

#include <cstdint>
#include <string>

// SplitMix64 seeded from a 64-bit FNV-1a hash: small, fast and good enough
// for placeholder variation.
class CPackRandom {
public:
    static uint64_t HashName(const std::string& text)
    {
        uint64_t hash = 0xcbf29ce484222325ull;
        for (unsigned char c : text) {
            hash ^= c;
            hash *= 0x100000001b3ull;
        }
        return hash;
    }

    explicit CPackRandom(uint64_t seed) : state(seed) {}
    explicit CPackRandom(const std::string& name) : state(HashName(name)) {}

    uint64_t Next()
    {
        uint64_t z = (state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    // low..high, both included.
    int Range(int low, int high) { return low + static_cast<int>(Next() % static_cast<uint64_t>(high - low + 1)); }
    // [0, 1)
    double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }

private:
    uint64_t state;
};
