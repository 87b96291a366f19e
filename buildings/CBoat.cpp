#include "CBoat.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CSprite.h"
#include "ShoreStandPoints.h"
#include "Utilities.h"

namespace {

constexpr int kShip = 13;
constexpr int kInTheWayId = 10502, kNotOnShoreId = 10503;
constexpr int kToolTipFrames = 3;
constexpr int kWetPoints = 2;

constexpr building_look kShipLook = {
    70, nullptr, 0, 0, 2810, "sidebar_item_boat.png", {}, 0, {}, 0, {}, {}, 0, {}, 0,
};

// By facing: [0] right (21), [1] left (22).
struct facing_data {
    kind_stand stands[4];
    kind_footprint hull;       // the ghost's test
    int landX, middleX, endY;  // the facing end must be dry, the middle wet
    kind_footprint site[2];
    kind_footprint finished[2];
};

constexpr facing_data kFacings[2] = {
    {{{553, 315, 2}, {94, 326, 1}, {634, 223, 2}, {187, 200, 1}},
     {13, 202, 615, 186},
     600, 370, 275,
     {{218, 202, 410, 118}, {128, 320, 399, 68}},
     {{13, 202, 615, 118}, {13, 320, 514, 68}}},
    {{{571, 323, 2}, {103, 318, 1}, {475, 197, 2}, {26, 226, 1}},
     {46, 202, 613, 186},
     69, 299, 275,
     {{46, 202, 392, 118}, {145, 320, 397, 68}},
     {{46, 202, 613, 118}, {46, 320, 99, 68}}},
};

const facing_data& Facing(int variant)
{
    return kFacings[variant == CBoat::LEFT ? 1 : 0];
}

// The would-be top-left of the ghost at the mouse, world pixels.
coordinate GhostTopLeft(CSprite* ghost)
{
    CMap* island = CControllerGame::island;
    return {CMouseCursor::GetMouseX() - (island ? island->offsetX : 0) - ghost->GetW() / 2,
            CMouseCursor::GetMouseY() - (island ? island->offsetY : 0) - ghost->GetH() / 2};
}

bool HullBlocked(int variant, coordinate at)
{
    const kind_footprint& hull = Facing(variant).hull;
    return CObject::Collision(at.x + hull.x, at.y + hull.y, hull.w, hull.h, false);
}

bool IsShipVariant(int variant)
{
    return variant == CBoat::RIGHT || variant == CBoat::LEFT;
}

}  // namespace

CBoat::CBoat(int atX, int atY, int variant) : CBuildingKind(kShipLook, kShip, variant, atX, atY)
{
    AddObstructions(false);
    MeasureWater();
}

CBoat::CBoat(const building_data& saved) : CBuildingKind(kShipLook, saved)
{
    AddObstructions(false);
}

void CBoat::MeasureWater()
{
    const int left = Round(x), top = Round(y);
    for (int point = 0; point < 4; point++) {
        const kind_stand& stand = Facing(record.variant).stands[point];
        record.kindFlags[point] = IsWaterAt(left + stand.x, top + stand.y) ? 1 : 0;
    }
}

void CBoat::AddObstructions(bool complete)
{
    RemoveObstructions(this);
    const int left = static_cast<int>(x), top = static_cast<int>(y);
    const facing_data& facing = Facing(record.variant);
    for (const kind_footprint& box : complete ? facing.finished : facing.site) {
        AddObstruction(left + box.x, top + box.y, box.w, box.h, this, false);
    }
}

int CBoat::GetStandLocation(int& atX, int& atY, int& dir)
{
    const int point = DryStandPoint(record, "The Ship");
    const kind_stand& stand = Facing(record.variant).stands[point];
    atX = Round(x) + stand.x;
    atY = Round(y) + stand.y;
    dir = stand.side;
    return point;
}

bool CBoat::CheckForWaterPlacement(int variant)
{
    if (!IsShipVariant(placingBuilding) || !sBuildingGhost[placingBuilding]) {
        return false;
    }
    const coordinate at = GhostTopLeft(sBuildingGhost[placingBuilding]);
    const facing_data& facing = Facing(variant);
    if (IsWaterAt(at.x + facing.landX, at.y + facing.endY) || !IsWaterAt(at.x + facing.middleX, at.y + facing.endY)) {
        return false;
    }
    int wet = 0;
    for (const kind_stand& stand : facing.stands) {
        wet += IsWaterAt(at.x + stand.x, at.y + stand.y);
    }
    return wet == kWetPoints;
}

bool CBoat::PlacementCollision()
{
    const int variant = placingBuilding;
    if (!IsShipVariant(variant) || !sBuildingGhost[variant]) {
        return false;
    }
    CSprite* ghost = sBuildingGhost[variant];
    const coordinate at = GhostTopLeft(ghost);
    const int other = variant == RIGHT ? LEFT : RIGHT;
    bool blocked = HullBlocked(variant, at);
    if (!blocked) {
        if (CheckForWaterPlacement(variant)) {
            return false;
        }
        if (CheckForWaterPlacement(other)) {
            // Turned round only onto a clear hull box: a click in this very
            // frame places the ship that was tested.
            if (!HullBlocked(other, at)) {
                HoverBuilding(other);
                CSprite* turned = sBuildingGhost[other];
                ghost->Hide();
                turned->Move(ghost->GetX(), ghost->GetY());
                turned->UnHide();
                turned->SetFrame(0);
                return false;
            }
            blocked = true;
        }
    }
    ghost->SetFrame(1);
    ShowToolTip(blocked ? kInTheWayId : kNotOnShoreId, kToolTipFrames);
    return true;
}
