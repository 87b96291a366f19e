#include "CShipyard.h"

#include "CControllerGame.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CSprite.h"
#include "ShoreStandPoints.h"
#include "Utilities.h"

namespace {

constexpr int kShipyard = 8;
constexpr int kInTheWayId = 10502, kNotOnShoreId = 10503;
constexpr int kToolTipFrames = 3;
constexpr int kWetPoints = 2;

constexpr building_look kShipyardLook = {
    210, "selector_shipyard.png", 31, 155, 2817, "sidebar_item_shipyard.png",
    {{375, 280, 2}, {46, 256, 1}, {473, 81, 2}, {7, 117, 1}}, 4,
    {}, 0,
    {}, {}, 0, {}, 0,
};

// The same whether finished or not; they are also the ghost's footprint.
constexpr kind_footprint kBoxes[5] = {
    {85, 113, 240, 207}, {209, 320, 116, 64}, {221, 35, 222, 78}, {325, 113, 98, 172}, {0, 155, 85, 85},
};

}  // namespace

int CShipyard::numBuilt = 0;

CShipyard::CShipyard(int atX, int atY) : CBuildingKind(kShipyardLook, kShipyard, kShipyard, atX, atY), counted(false)
{
    AddObstructions(false);
    MeasureWater();
}

CShipyard::CShipyard(const building_data& saved) : CBuildingKind(kShipyardLook, saved), counted(false)
{
    AddObstructions(false);
}

CShipyard::~CShipyard()
{
    if (counted) {
        numBuilt--;
    }
}

void CShipyard::MeasureWater()
{
    const int left = Round(x), top = Round(y);
    for (int point = 0; point < 4; point++) {
        const kind_stand& stand = look.stands[point];
        record.kindFlags[point] = IsWaterAt(left + stand.x, top + stand.y) ? 1 : 0;
    }
}

void CShipyard::Pump(int offsetX, int offsetY, int steps)
{
    CBuildingKind::Pump(offsetX, offsetY, steps);
    const bool standing = IsComplete() && !IsBeingDemolished();
    if (standing && !counted) {
        counted = true;
        numBuilt++;
    } else if (counted && !standing) {
        counted = false;
        numBuilt--;
    }
}

void CShipyard::AddObstructions(bool)
{
    RemoveObstructions(this);
    const int left = static_cast<int>(x), top = static_cast<int>(y);
    for (const kind_footprint& box : kBoxes) {
        AddObstruction(left + box.x, top + box.y, box.w, box.h, this, false);
    }
}

int CShipyard::GetStandLocation(int& atX, int& atY, int& dir)
{
    const int point = DryStandPoint(record, "Shipyard");
    const kind_stand& stand = look.stands[point];
    atX = Round(x) + stand.x;
    atY = Round(y) + stand.y;
    dir = stand.side;
    return point;
}

bool CShipyard::PlacementCollision()
{
    if (placingBuilding < 0 || placingBuilding >= VARIANTS || !sBuildingGhost[placingBuilding]) {
        return false;
    }
    CSprite* ghost = sBuildingGhost[placingBuilding];
    CMap* island = CControllerGame::island;
    const int left = CMouseCursor::GetMouseX() - (island ? island->offsetX : 0) - ghost->GetW() / 2;
    const int top = CMouseCursor::GetMouseY() - (island ? island->offsetY : 0) - ghost->GetH() / 2;
    for (const kind_footprint& box : kBoxes) {
        if (Collision(left + box.x, top + box.y, box.w, box.h, false)) {
            ghost->SetFrame(1);
            ShowToolTip(kInTheWayId, kToolTipFrames);
            return true;
        }
    }
    int wet = 0;
    for (int point = 0; point < 4; point++) {
        const kind_stand& stand = kShipyardLook.stands[point];
        wet += IsWaterAt(left + stand.x, top + stand.y);
    }
    if (wet == kWetPoints) {
        return false;
    }
    ghost->SetFrame(1);
    ShowToolTip(kNotOnShoreId, kToolTipFrames);
    return true;
}
