#include "CWonderB.h"

#include "WonderLooks.h"

namespace {

constexpr int kType = 11;

}  // namespace

CWonderB::CWonderB(int atX, int atY) : CWonder(kWonderBLook, false, kType, atX, atY) {}

CWonderB::CWonderB(const building_data& saved) : CWonder(kWonderBLook, false, saved) {}

bool CWonderB::PlacementCollision()
{
    return PlacementBlocked(kWonderBLook);
}
