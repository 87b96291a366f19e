// Stand-in for the science station until it is built: only the question the
// research screen asks before it sends the player on to the potion lab.
#pragma once

class CBuilding;

class CScienceStation {
public:
    // A science station stands complete and is not being taken down.
    static bool AnyUseableScienceStations();
    // A usable station (under the mouse when asked, else any) and a work
    // point beside it; null when none.
    static CBuilding* FindWorkCoords(int& x, int& y, int& dir, bool underMouse);
};
