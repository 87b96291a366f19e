// The player's mouse and keys on the island.
#include "CControllerGame.h"

#include "CBuilding.h"
#include "CFlowerIndicator.h"
#include "CGuiButtonBase.h"
#include "CGuiFlowers.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CObject.h"
#include "CPerson.h"
#include "CRipple.h"
#include "CSidebar.h"
#include "CTombstone.h"
#include "CTreeIndicator.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <SDL.h>

namespace {

constexpr float kLiftDistance = 5.0f;
constexpr int kAdultShift = 50;
constexpr int kEraseRadius = 15;
constexpr int kInGameMenuButton = 5;

// Keypad 1 to 9 over the playable island, laid out as the keypad is.
constexpr coordinate kKeypadPoints[9] = {{500, 3500}, {2000, 3500}, {3500, 3500}, {500, 2000}, {2000, 2000},
                                         {3500, 2000}, {500, 500},   {2000, 500},  {3500, 500}};

coordinate WorldPoint()
{
    coordinate point = {CMouseCursor::GetMouseX(), CMouseCursor::GetMouseY()};
    if (CControllerGame::island) {
        point.x -= CControllerGame::island->offsetX;
        point.y -= CControllerGame::island->offsetY;
    }
    return point;
}

}  // namespace

bool CControllerGame::OverPanel()
{
    return (sidebar && sidebar->IsMouseOver()) || (flowers && flowers->IsMouseOver()) ||
           CTutorialDialog::IsMouseOver();
}

void CControllerGame::CancelPlacing()
{
    CTreeIndicator::placingTrees = -1;
    CFlowerIndicator::PlaceFlowers(-1);
    CBuilding::HoverBuilding(-1);
}

void CControllerGame::CentreViewOn(int x, int y)
{
    stopFollowing = true;
    if (island) {
        island->StopCenteringScreen();
        island->CenterScreen(x, y, false, false, false);
    }
}

void CControllerGame::InputMouseClick(bool left, bool right, bool released)
{
    if (!hasFocus) {
        return;
    }
    CMouseCursor::ShowMouse();
    const coordinate world = WorldPoint();
    if (!released) {
        CRipple::AddRipple(world.x, world.y, 0);
    }
    CMouseCursor::usePincer = !OverPanel();
    CObject* target = CObject::FindObjectAt(-1, -1, false, true);
    if (target && !target->isPerson) {
        CMouseCursor::usePincer = false;
    }
    if (eraserMode) {
        eraserMode = false;
        if (island) {
            island->EraseFlowers(world.x, world.y, kEraseRadius);
        }
        CFlowerIndicator::EraseFlowers(world.x, world.y);
        return;
    }
    if (!left) {
        if (released) {
            CTreeIndicator::PlaceTrees(-1);
        }
        CBuilding::HoverBuilding(-1);
        return;
    }
    if (!released) {
        if (CObject::placingBuilding != -1) {
            // A refused placement leaves CBuilding::placementFailed for the frame.
            CBuilding::MouseClick();
        }
        sidebar->MouseClick();
    }
    CGuiButtonBase::LeftMouseClick(released, false);
    if (!hasFocus) {
        return;
    }
    if (island) {
        island->MouseClick(true, right, released, OverPanel());
    }
    if (!released && !OverPanel() && !UseHeld()) {
        return;
    }
    if (released || !OverPanel()) {
        CFlowerIndicator::Click(released);
        CTreeIndicator::Click(released);
    }

    if (released) {
        if (pickupCandidate) {
            if (pickupCandidate->IsPickedUp()) {
                islanderDropped = true;
            }
            pickupCandidate->Drop();
        }
        pickupCandidate = nullptr;
        shiftCursorPending = true;
        pressX = pressY = -1;
        if (tombstoneCandidate) {
            // A grave only clicked shows its epitaph.
            tombstoneCandidate->Drop();
        }
        tombstoneCandidate = nullptr;
        gravePressX = gravePressY = -1;
        if (island) {
            island->personCarried = false;
            island->tombstoneCarried = false;
        }
        CTreeIndicator::PlaceTrees(-1);
        CBuilding::HoverBuilding(-1);
        return;
    }
    if (!pickupCandidate && !sidebar->IsMouseOver()) {
        pickupCandidate = CPerson::FindPickup(world.x, world.y);
        pressX = pickupCandidate ? CMouseCursor::GetMouseX() : -1;
        pressY = pickupCandidate ? CMouseCursor::GetMouseY() : -1;
    }
    if (!tombstoneCandidate && !sidebar->IsMouseOver()) {
        tombstoneCandidate = CTombstone::FindPickup(world.x, world.y);
        gravePressX = tombstoneCandidate ? CMouseCursor::GetMouseX() : -1;
        gravePressY = tombstoneCandidate ? CMouseCursor::GetMouseY() : -1;
    }
    CBuilding::HoverBuilding(-1);
}

void CControllerGame::InputMouseMove(int x, int y)
{
    if (!hasFocus) {
        return;
    }
    CMouseCursor::ShowMouse();
    if (pickupCandidate && shiftCursorPending) {
        if (!pickupCandidate->IsBaby() && !pickupCandidate->IsKid()) {
            // A grown islander hangs below its grip, so any move lifts it.
            CMouseCursor::MoveCursor(x, y + kAdultShift);
        }
        shiftCursorPending = false;
    }
    CMouseCursor::usePincer = !OverPanel();
    if (pressX == -1 && gravePressX == -1 && island) {
        island->MouseMove(x, y);
    }
    CFlowerIndicator::MouseMove();
    CTreeIndicator::MouseMove();
    if (gravePressX != -1 && tombstoneCandidate && !pickupCandidate &&
        GetDist(static_cast<float>(gravePressX), static_cast<float>(gravePressY), static_cast<float>(x),
                static_cast<float>(y)) > kLiftDistance) {
        tombstoneCandidate->Pickup();
        if (island) {
            island->tombstoneCarried = true;
        }
    }
    if (pressX != -1 && pickupCandidate && !pickupCandidate->IsPickedUp() &&
        GetDist(static_cast<float>(pressX), static_cast<float>(pressY), static_cast<float>(x),
                static_cast<float>(y)) > kLiftDistance) {
        pickupCandidate->Pickup();
        if (island) {
            island->personCarried = true;
        }
    }
}

void CControllerGame::InputKey(bool released, int key)
{
    if (!hasFocus) {
        return;
    }
    if (key >= SDLK_UP && key <= SDLK_LEFT) {
        static constexpr int kArrows[4] = {CMap::ARROW_UP, CMap::ARROW_DOWN, CMap::ARROW_RIGHT, CMap::ARROW_LEFT};
        if (island) {
            island->arrowHeld[kArrows[key - SDLK_UP]] = !released;
        }
        if (!released) {
            stopFollowing = true;
        }
        return;
    }
    if (key == SDLK_ESCAPE) {
        if (released) {
            GUICallback(kInGameMenuButton, 0);
        } else {
            CancelPlacing();
        }
        return;
    }
    if (released || key < SDLK_KP0 || key > SDLK_KP_PERIOD) {
        CancelPlacing();
        return;
    }
    if (key == SDLK_KP_PERIOD) {
        stopFollowing = true;
        CPerson::CenterOnClosestAdult();
    } else if (key == SDLK_KP0) {
        if (island) {
            CentreViewOn(island->GetStartX(), island->GetStartY());
        }
    } else {
        const coordinate point = kKeypadPoints[key - SDLK_KP1];
        CentreViewOn(point.x, point.y);
    }
}
