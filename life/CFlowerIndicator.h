// Stand-in for the flower markers until they are built: the placement state
// and the hooks of start-up, shut-down and the world pump.
#pragma once

class CFlowerIndicator {
public:
    static void Init();
    static void Unload();
    static void HandleFlowerPlacement();
    // The colour being placed, but -1 while the mouse is over the flower panel.
    static int GetFlowerPlacementType();

    static int placingFlowers;  // colour 0..6 being placed, -1 none
};
