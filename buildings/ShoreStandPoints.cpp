#include "ShoreStandPoints.h"

#include "CBuilding.h"
#include "CControllerGame.h"
#include "CMap.h"
#include "Log.h"
#include "Utilities.h"

namespace {

constexpr int kWaterLevel = 50;
constexpr int kRedraws = 1000;

}  // namespace

bool IsWaterAt(int x, int y)
{
    CMap* island = CControllerGame::island;
    return !island || island->GetWaterDepth(x, y, kWaterLevel) < 1.0f;
}

int DryStandPoint(const building_data& record, const char* kind)
{
    int point = RangedRandom(0, 3);
    for (int draw = 0; draw < kRedraws && record.kindFlags[point]; draw++) {
        point = RangedRandom(0, 3);
    }
    if (!record.kindFlags[point]) {
        return point;
    }
    for (int each = 0; each < 4; each++) {
        if (!record.kindFlags[each]) {
            return each;
        }
    }
    errorMessage("A saved building has every stand point in the water; its builders stand in it: ", kind, false,
                 true);
    return point;
}
