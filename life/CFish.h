// Stand-in for the island's fish until they are built: the two calls the
// island makes when it creates and unloads an island.
#pragma once

class CFish {
public:
    // Places the fish of the island with this seed in the deep water near the
    // start location.
    static void InitFish(unsigned int seed);
    // Deletes the fish of the island.
    static void EraseFish();
};
