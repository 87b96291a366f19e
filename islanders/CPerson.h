// Stand-in for the islanders until they are built: the shared clothes cache
// that start-up prepares and the hover hint the world pump reads.
#pragma once

class CPerson {
public:
    static void PreLoadClothes();
    static void UnPreLoadClothes();

    // Set while an islander is under the mouse this frame; the world pump
    // then re-runs the hover test even when the mouse did not move.
    static bool didRollover;
};
