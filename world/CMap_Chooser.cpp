// The island chooser's travel between islands: the scan that glides the new
// preview island in along a curve while the old one slides out and sea
// scenery passes by, and the walk through the history of islands shown.
#include "CMap.h"

#include "CProfile.h"
#include "CSprite.h"
#include "Utilities.h"

#include <cmath>

namespace {

constexpr int kScanFrames = 120;
// Up to this frame the curve is run at an even pace, then ever slower.
constexpr int kEvenFrames = 80;
constexpr float kEvenStep = 0.01f;
constexpr float kSlowing = 0.0002564160f;

constexpr float kTurn = 6.283185f;
constexpr float kHalfTurn = 3.14159f;
constexpr float kStartReach = 5000.0f;
constexpr float kBendReach = 10000.0f;
constexpr float kEndReach = 20000.0f;

constexpr int kFrameX = 287, kFrameY = 20;
constexpr int kEasterEgg = 1;
constexpr float kEasterEggShift = 210.0f;
constexpr int kSceneryScatter = 600;
// Scenery is only shown where it cannot cover either island.
constexpr float kSceneryClearance = 1000.0f;

// The curve parameter on scan frame f (1..120): 1.0 on the last frame.
float CurveParameter(int f)
{
    if (f <= kEvenFrames) {
        return static_cast<float>(f) / 100.0f;
    }
    float t = static_cast<float>(kEvenFrames) / 100.0f;
    float step = kEvenStep;
    for (int frame = kEvenFrames + 1; frame <= f; frame++) {
        t += step;
        step -= kSlowing;
    }
    return t;
}

}  // namespace

void CMap::InitSpline(unsigned int)
{
    const float a = RangedRandom(0.0f, kTurn);
    scanFrame = 0;
    camera = previousCamera = float_coordinate{0.0f, 0.0f};
    curve[1] = {std::sin(a) * kStartReach, std::cos(a) * kStartReach};
    curve[2] = {0.0f, 0.0f};
    // Back to an island already seen: the way back is the way the player
    // came; forward again: the way it was first reached.
    if (currentHistoryIndex < previousHistoryIndex && islandHistory.count(currentHistoryIndex + 1)) {
        const map_seed& later = islandHistory[currentHistoryIndex + 1];
        curve[1] = {-later.fromX, -later.fromY};
    } else if (islandHistory.count(currentHistoryIndex)) {
        const map_seed& current = islandHistory[currentHistoryIndex];
        curve[1] = {current.fromX, current.fromY};
    }
    previousHistoryIndex = currentHistoryIndex;

    float b = FindAngle(curve[2].x, curve[2].y, curve[1].x, curve[1].y);
    if (RangedRandom(0, 1) == 0) {
        b = -b;
    }
    const float_coordinate bend = {std::sin(b) * kBendReach, std::cos(b) * kBendReach};
    float e = b + kHalfTurn;
    if (RangedRandom(0, 1) == 0) {
        e = -e;
    }
    curve[0] = {std::sin(-e) * kEndReach + bend.x, std::cos(-e) * kEndReach + bend.y};
    curve[3] = {std::sin(e) * kEndReach + bend.x, std::cos(e) * kEndReach + bend.y};
    travelFrom = curve[1];

    // At most one picture of the sea passes by.
    for (CSprite* sprite : scenery) {
        if (sprite) {
            sprite->Hide();
        }
    }
    const int k = RangedRandom(0, SCENERY_SPRITES - 1);
    float_coordinate& point = sceneryPoints[k];
    GetPointOnSpline(point, RangedRandom(0.4f, 0.6f));
    if (k == kEasterEgg) {
        point.x -= kEasterEggShift;
        point.y -= kEasterEggShift;
    } else {
        point.x += static_cast<float>(RangedRandom(-kSceneryScatter, kSceneryScatter));
        point.y += static_cast<float>(RangedRandom(-kSceneryScatter, kSceneryScatter));
    }
    if (scenery[k] && GetDist(point.x, point.y, curve[1].x, curve[1].y) > kSceneryClearance &&
        GetDist(point.x, point.y, curve[2].x, curve[2].y) > kSceneryClearance) {
        scenery[k]->UnHide();
    }
}

bool CMap::ScanningForIsland()
{
    return !playable && VisualEffectsOn() && scanFrame < kScanFrames;
}

void CMap::GetPointOnSpline(float_coordinate& out, float t)
{
    PointOnCurve(out, t, curve[0], curve[1], curve[2], curve[3]);
}

void CMap::RenderMapToScreen()
{
    previousCamera = camera;
    camera = float_coordinate{0.0f, 0.0f};
    if (playable) {
        if (ground) {
            ground->Move(offsetX, offsetY);
        }
        return;
    }
    if (!VisualEffectsOn() || scanFrame >= kScanFrames) {
        scanPoint = float_coordinate{0.0f, 0.0f};
        if (ground) {
            ground->Move(kFrameX, kFrameY);
        }
    } else {
        scanFrame++;
        GetPointOnSpline(scanPoint, CurveParameter(scanFrame));
        if (ground) {
            ground->Move(Round(scanPoint.x) + kFrameX, Round(scanPoint.y) + kFrameY);
        }
    }
    camera = float_coordinate{curve[1].x - scanPoint.x, curve[1].y - scanPoint.y};
    if (previewCopy) {
        previewCopy->Move(static_cast<float>(kFrameX) - camera.x, static_cast<float>(kFrameY) - camera.y);
    }
    for (int i = 0; i < SCENERY_SPRITES; i++) {
        if (scenery[i] && !scenery[i]->Hidden()) {
            scenery[i]->Move(static_cast<float>(kFrameX) - (sceneryPoints[i].x - scanPoint.x),
                             static_cast<float>(kFrameY) - (sceneryPoints[i].y - scanPoint.y));
        }
    }
}

void CMap::NewMap(unsigned int seed)
{
    if (ScanningForIsland()) {
        return;
    }
    playable = false;
    CreateMap(seed, -1, -1, true, true, false);
}

void CMap::NextMap()
{
    if (ScanningForIsland()) {
        return;
    }
    playable = false;
    currentHistoryIndex++;
    if (currentHistoryIndex >= static_cast<int>(islandHistory.size())) {
        CreateMap(0, -1, -1, true, false, false);
    } else {
        CreateMap(islandHistory[currentHistoryIndex].seed, -1, -1, true, false, false);
    }
}

void CMap::PreviousMap()
{
    if (ScanningForIsland()) {
        return;
    }
    currentHistoryIndex--;
    if (currentHistoryIndex < 0) {
        currentHistoryIndex = 0;
        return;
    }
    playable = false;
    CreateMap(islandHistory[currentHistoryIndex].seed, -1, -1, true, false, false);
}
