// Stand-in for the science station until it is built: only the question the
// research screen asks before it sends the player on to the potion lab.
#pragma once

class CScienceStation {
public:
    // A science station stands complete and is not being taken down.
    static bool AnyUseableScienceStations();
};
