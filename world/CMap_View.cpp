// The island view: the scroll offset and its bounds, scrolling with the
// arrow keys, at the view's edges while something is carried or placed and
// by dragging the island, the smooth centring on a world point, and the
// per-frame pump that moves the view first and then the island's moving
// parts.
#include "CMap.h"

#include "CControllerGame.h"
#include "CMouseCursor.h"
#include "CObject.h"
#include "CProfile.h"
#include "CSprite.h"
#include "Utilities.h"

#include <algorithm>

namespace {


// The island view: the screen left of the side panel.
constexpr int kViewW = 644, kViewH = 600;
constexpr int kViewCentreX = 322, kViewCentreY = 280;
// Edge bands: narrow while placing or carrying a grave, wide while carrying
// an islander. The right band is measured from x 605, so the side panel
// scrolls at full speed.
constexpr float kPlacingBand = 75.0f, kCarryingBand = 150.0f;
constexpr int kRightEdge = 605;
constexpr float kEdgeSteps = 9.0f;
constexpr float kMaxArrowSpeed = 16.0f;
constexpr float kGlide = 0.1f;
// A smart centring leaves a point alone while it lies in this box of the view.
constexpr int kBoxLeft = 86, kBoxRight = 488, kBoxTop = 136, kBoxBottom = 414;
constexpr int kBoxMiddleX = 287, kBoxMiddleY = 275;

}  // namespace

void CMap::ResetView()
{
    for (bool& held : arrowHeld) {
        held = false;
    }
    arrowSpeed = 1.0f;
    dragAnchorX = dragAnchorY = -1;
    dragActive = pressOverPanel = mapDragged = false;
    personCarried = tombstoneCarried = placingFlowersOrTrees = false;
    offsetX = offsetY = 0;
    scrollDeltaX = scrollDeltaY = 0;
    centreTargetX = centreTargetY = -1;
    centreLock = false;
    lastCentreDistance = -1.0f;
}

void CMap::ClampOffset()
{
    offsetX = std::min(offsetX, 0);
    offsetY = std::min(offsetY, 0);
    if (samplesWide < 0) {
        return;
    }
    // On the preview the island is smaller than the view and this wins.
    offsetX = std::max(offsetX, kViewW - (samplesWide - 2 * borderX));
    offsetY = std::max(offsetY, kViewH - (samplesHigh - 2 * borderY));
}

void CMap::AddScrollDelta(int dx, int dy)
{
    if (playable) {
        scrollDeltaX += dx;
        scrollDeltaY += dy;
    }
}

int CMap::OffsetMap(int dx, int dy)
{
    const int oldX = offsetX, oldY = offsetY;
    offsetX += dx;
    offsetY += dy;
    ClampOffset();
    AddScrollDelta(offsetX - oldX, offsetY - oldY);
    return offsetX - oldX;
}

void CMap::Pump()
{
    // Arrow keys.
    const bool held = arrowHeld[ARROW_UP] || arrowHeld[ARROW_RIGHT] || arrowHeld[ARROW_DOWN] || arrowHeld[ARROW_LEFT];
    int dx = 0, dy = 0;
    const int speed = Round(arrowSpeed);
    if (arrowHeld[ARROW_UP]) {
        dy = speed;
    }
    if (arrowHeld[ARROW_RIGHT]) {
        dx = -speed;
    }
    if (arrowHeld[ARROW_DOWN]) {
        dy -= speed;
    }
    if (arrowHeld[ARROW_LEFT]) {
        dx += speed;
    }

    // The view's edges while something is carried or placed.
    const bool placing = CObject::PlacingAnything(playable) || tombstoneCarried;
    const float band = placing ? kPlacingBand : personCarried ? kCarryingBand : 0.0f;
    if (band > 0.0f) {
        const int mx = CMouseCursor::GetMouseX();
        const int my = CMouseCursor::GetMouseY();
        auto step = [band](int distance) {
            const float d = static_cast<float>(distance);
            return d < band ? Round((1.0f - d / band) * kEdgeSteps + 1.0f) : 0;
        };
        dx += step(mx);
        dy += step(my);
        dx -= step(std::max(0, kRightEdge - mx));
        dy -= step(kViewH - my);
    }

    // Centring glides a tenth of the remaining way each frame and ends on
    // the first frame that no longer moves the view.
    if (held || placing) {
        StopCenteringScreen();
    } else if (centreTargetX != -1 && centreTargetY != -1) {
        const int oldX = offsetX, oldY = offsetY;
        const float d = GetDist(offsetX, offsetY, centreTargetX, centreTargetY);
        offsetX = Round(static_cast<float>(centreTargetX - offsetX) * kGlide + static_cast<float>(offsetX));
        offsetY = Round(static_cast<float>(centreTargetY - offsetY) * kGlide + static_cast<float>(offsetY));
        if (d == lastCentreDistance) {
            StopCenteringScreen();
        }
        lastCentreDistance = d;
        AddScrollDelta(offsetX - oldX, offsetY - oldY);
    }
    OffsetMap(dx, dy);
    MoveRain();

    arrowSpeed = held ? std::min(arrowSpeed + 1.0f, kMaxArrowSpeed) : 1.0f;

    for (int i = 0; i < 3; i++) {
        if (CSprite* pile = pileSprites[i]) {
            pile->Move(piles[i].x - pile->GetW() / 2 + offsetX, piles[i].y - pile->GetH() / 2 + offsetY);
        }
    }
    RenderMapToScreen();
    MoveClouds();
    // Waves, small waves and froth follow the visual-effects setting.
    PumpSea();

    if (rainFramesLeft > 0) {
        rainFramesLeft--;
    } else if (rainFramesLeft == 0) {
        SetRain(false, 1);
    }
}

coordinate CMap::CenterScreen(int x, int y, bool now, bool smart, bool lock)
{
    if (centreLock) {
        return {0, 0};
    }
    if (now) {
        // Not clamped here: the next Pump brings the view back inside.
        const coordinate change = {kViewCentreX - x - offsetX, kViewCentreY - y - offsetY};
        offsetX += change.x;
        offsetY += change.y;
        AddScrollDelta(change.x, change.y);
        return change;
    }
    if (smart) {
        const int sx = x + offsetX;
        const int sy = y + offsetY;
        const bool outsideX = sx < kBoxLeft || sx > kBoxRight;
        const bool outsideY = sy < kBoxTop || sy > kBoxBottom;
        if (outsideX || outsideY) {
            centreTargetX = !outsideX ? offsetX : sx < kBoxMiddleX ? kBoxLeft - 1 - x : kBoxRight + 1 - x;
            centreTargetY = !outsideY ? offsetY : sy < kBoxMiddleY ? kBoxTop - 1 - y : kBoxBottom + 1 - y;
        }
        centreLock = lock;
        return {0, 0};
    }
    centreTargetX = kViewCentreX - x;
    centreTargetY = kViewCentreY - y;
    centreLock = lock;
    return {0, 0};
}

void CMap::StopCenteringScreen()
{
    centreTargetX = centreTargetY = -1;
    centreLock = false;
}

bool CMap::IsCenteringScreen()
{
    return centreLock || centreTargetX != -1;
}

coordinate CMap::GetDistFromScreenCenter(int x, int y)
{
    return {x + offsetX - kViewCentreX, y + offsetY - kViewCentreY};
}

void CMap::MouseClick(bool, bool, bool released, bool overPanel)
{
    if (!dragActive) {
        dragAnchorX = CMouseCursor::GetMouseX();
        dragAnchorY = CMouseCursor::GetMouseY();
    }
    dragActive = !released;
    pressOverPanel = !released && overPanel;
}

void CMap::MouseMove(int x, int y)
{
    if (!dragActive || personCarried || placingFlowersOrTrees || pressOverPanel ||
        CObject::PlacingAnything(playable) || tombstoneCarried) {
        return;
    }
    StopCenteringScreen();
    CControllerGame::stopFollowing = true;
    OffsetMap(x - dragAnchorX, y - dragAnchorY);
    dragAnchorX = x;
    dragAnchorY = y;
    mapDragged = true;
}

bool CMap::IsMouseOverResourcePile()
{
    for (CSprite* pile : pileSprites) {
        if (pile && pile->IsCollisionPixelPerfect()) {
            return true;
        }
    }
    return false;
}
