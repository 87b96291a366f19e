// Stand-in for the craftworks until its own class is built: a stand-in
// building counted while it stands, with a door and work points.
#pragma once

#include "CStandInBuilding.h"

class CCraftworks : public CStandInBuilding {
public:
    CCraftworks(int variant, int x, int y);
    explicit CCraftworks(const building_data& saved);
    ~CCraftworks() override;

    static bool AnyUseableCraftworks();
    static CCraftworks* GetUseableCraftworks();
    // The first usable craftworks and its door; null and -1 when none.
    static CCraftworks* FindAvailableCraftworks(int& x, int& y);
    // A usable craftworks and a work point beside it, 12 px higher when
    // raise; null when none.
    static CCraftworks* FindWorkCoords(int& x, int& y, int& dir, bool underMouse, bool raise);
    void GetEntryCoordinates(int& x, int& y);
    int GetSleepZ();

    static int numCraftworks;
};
