// Stand-in for the butterflies until they are built: the call the island
// makes after a playable island is made.
#pragma once

class CButterfly {
public:
    // (Re)creates the island's butterflies at fresh places.
    static void LoadButterflies();
};
