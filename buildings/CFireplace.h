// The camp's fireplace, for now a stand-in building: the island puts a
// finished one at the start location of a new playable island. Islanders
// cook and eat at a burning one.
#pragma once

#include "CStandInBuilding.h"

#include <vector>

class CFireplace : public CStandInBuilding {
public:
    // At placement point (x, y), world pixels; nothing built or delivered.
    CFireplace(int x, int y);
    explicit CFireplace(const building_data& saved);
    ~CFireplace() override;

    // Any fireplace burns: complete, not coming down, no rain, wood in stock.
    static bool IsBurning();
    // The usable fireplace nearest (x, y) and a corner to stand at, which
    // become x, y; null when none.
    static CFireplace* FindWorkCoords(int& x, int& y, int& dir, bool nearest);

    static std::vector<CFireplace*> fireplaces;

private:
    bool Usable();
};
