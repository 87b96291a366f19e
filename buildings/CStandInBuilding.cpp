#include "CStandInBuilding.h"

namespace {

constexpr int kStandInDepthLift = 70;
constexpr int kHut = 1;

// No marker, name, side-panel picture, stand points, grass or boxes of its
// own: the plain ones of every kind.
constexpr building_look kStandInLook = {kStandInDepthLift, nullptr, 0, 0, 0, nullptr, {}, 0, {}, 0, {}, {}, 0, {}, 0};

}  // namespace

CStandInBuilding::CStandInBuilding(int type, int variant, int atX, int atY)
    : CBuildingKind(kStandInLook, type, variant, atX, atY)
{
    isHut = type == kHut;
}

CStandInBuilding::CStandInBuilding(const building_data& saved) : CBuildingKind(kStandInLook, saved)
{
    isHut = saved.type == kHut;
}

bool CStandInBuilding::PlacementCollision()
{
    return FootprintCollides(kStandInLook);
}
