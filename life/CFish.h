// Stand-in for the island's fish until they are built: the calls the island
// makes when it creates and unloads an island, and the three clumps that the
// islanders' fishing reads.
#pragma once

class CFish;

struct fish_clump {
    int x, y;  // world pixels
    int size;  // fish in the clump
    CFish* fish;
};

class CFish {
public:
    // Places the fish of the island with this seed in the deep water near the
    // start location.
    static void InitFish(unsigned int seed);
    // Deletes the fish of the island.
    static void EraseFish();
    // The largest clump within 400 pixels of the point; -1 when none is.
    static int GetSizeOfNearestClump(int x, int y);

    static fish_clump fishClump[3];
};
