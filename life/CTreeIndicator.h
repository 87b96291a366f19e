// Stand-in for the sapling markers until they are built: the placement state
// and the hooks of start-up, shut-down and the world pump.
#pragma once

class CTreeIndicator {
public:
    static void Init();
    static void Unload();
    static void HandleTreePlacement();

    static int placingTrees;  // 0 while saplings are being placed, -1 none
};
