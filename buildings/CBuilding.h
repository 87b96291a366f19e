// Stand-in for the buildings until they are built: the shared placement
// ghosts that start-up prepares and the per-frame placement hook of the world
// pump.
#pragma once

class CBuilding {
public:
    static void InitSprites();
    static void DeleteSprites();
    // Shows the ghost of the variant being placed at the mouse.
    static void HandleBuildingPlacement();
};
