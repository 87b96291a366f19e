#include "CWonderA.h"

#include "WonderLooks.h"

namespace {

constexpr int kType = 10;

}  // namespace

CWonderA::CWonderA(int atX, int atY) : CWonder(kWonderALook, true, kType, atX, atY) {}

CWonderA::CWonderA(const building_data& saved) : CWonder(kWonderALook, true, saved) {}

bool CWonderA::PlacementCollision()
{
    return PlacementBlocked(kWonderALook);
}
