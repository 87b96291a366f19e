#include "CWonder.h"

#include "CControllerGame.h"
#include "CDust.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "TerrainTiles.h"
#include "Utilities.h"

namespace {

constexpr int kDemolishQuestionId = 12003;
constexpr int kHeapGapLow = 15, kHeapGapHigh = 45;

// From the mouse point itself, not from the ghost's corner.
constexpr coordinate kGroundPoints[] = {{96, 306}, {160, 306}, {32, 306}, {96, 370}, {96, 274}};

}  // namespace

CWonder::CWonder(const building_look& look, bool isStardust, int type, int atX, int atY)
    : CBuildingKind(look, type, type, atX, atY), showerCount(0), showerTimer(0), stardust(isStardust)
{
}

CWonder::CWonder(const building_look& look, bool isStardust, const building_data& saved)
    : CBuildingKind(look, saved), showerCount(0), showerTimer(0), stardust(isStardust)
{
}

void CWonder::Pump(int offsetX, int offsetY, int steps)
{
    CBuildingKind::Pump(offsetX, offsetY, steps);
    if (CControllerGame::island && !CControllerGame::island->playable) {
        return;
    }
    // Only a wonder standing finished showers: a site torn down before it
    // was finished counts as complete once cleared, and must not. The
    // shower starts here directly, not through a yes to GiveResponse: the
    // shared request may still hold an earlier question to take a building
    // down, and a yes to that would take this new wonder down instead.
    if (ShowerState() == 0 && IsInService()) {
        StartShower();
    }
    if (showerCount > 0) {
        showerTimer--;
        if (showerTimer <= 0) {
            showerCount--;
            CDust* heap = new CDust(stardust, -1, -1, 0);
            heap->UnHide();
            showerTimer = RangedRandom(kHeapGapLow, kHeapGapHigh);
        }
    }
}

void CWonder::StartShower()
{
    showerCount = SHOWER_HEAPS;
    CDust::dustIgnore = SHOWER_HEAPS;
    showerTimer = 0;
    ShowerState() = SHOWER_STARTED;
}

void CWonder::GiveResponse(bool yes)
{
    if (requestingFeedbackData.id == kDemolishQuestionId) {
        CBuilding::GiveResponse(yes);
        return;
    }
    if (ShowerState() == 0) {
        StartShower();
    }
    requestingFeedbackData.noticeOnly = 0;
    if (requestingFeedback == this) {
        requestingFeedback = nullptr;
    }
}

bool CWonder::PlacementBlocked(const building_look& look)
{
    if (FootprintCollides(look)) {
        return true;
    }
    CMap* island = CControllerGame::island;
    if (!island) {
        return false;
    }
    const int mouseX = CMouseCursor::GetMouseX() - island->offsetX;
    const int mouseY = CMouseCursor::GetMouseY() - island->offsetY;
    for (const coordinate& point : kGroundPoints) {
        if (!island->TileContainsTerrain_coords(mouseX + point.x, mouseY + point.y, TILE_GRASS, false)) {
            return true;
        }
    }
    for (const coordinate& point : kGroundPoints) {
        if (island->TileContainsTerrain_coords(mouseX + point.x, mouseY + point.y, TILE_HOLDS_SAND, false)) {
            return true;
        }
    }
    return false;
}
