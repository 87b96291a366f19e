#include "CPersonMovement.h"

#include "CObject.h"
#include "Utilities.h"

#include <cmath>

namespace {

// The four ranges of headings an islander walks at, as (from, to) pairs; the
// order is the order in which equally near limits win when snapping.
constexpr float kWalkLimits[8] = {
    0.5235983f, 1.0471966f,  // 30..60 degrees
    2.0943933f, 2.6179917f,  // 120..150
    3.6651883f, 4.1887865f,  // 210..240
    5.2359834f, 5.7595816f,  // 300..330
};

constexpr float kArrivalRadius = 3.0f;
constexpr float kKeepHeadingTolerance = 0.01f;
constexpr float kLongestStraightWalk = 600.0f;
// Feet box relative to the walker's position.
constexpr int kFeetX = 10, kFeetY = 52, kFeetW = 14, kFeetH = 10;
// A straight walk never needs more than 2 / sqrt(3) times its length (the
// detour of a walk snapped 30 degrees off its direction); twice the length
// in steps, plus a few, leaves room. A walk not done by then steps over the
// arrival circle for ever, or never moves at all.
constexpr float kStraightWalkStepFactor = 2.0f;
constexpr int kStraightWalkExtraSteps = 16;
constexpr int kMostStraightWalkSteps = 1000000;
// Nudges WarpNearby tries before it leaves the walker blocked for this frame.
constexpr int kMostNudges = 1000;

}  // namespace

CObject* CPersonMovement::whoIsMoving = nullptr;

CPersonMovement::CPersonMovement(float* x, float* y, float* vx, float* vy, float speed, CObject* owner)
    : ignoreObstructions(false),
      searchCount(0),
      stepped(false),
      pendingX(-1),
      pendingY(-1),
      owner(owner),
      targetX(-1),
      targetY(-1),
      heading(-1.0f),
      positionX(x),
      positionY(y),
      velocityX(vx),
      velocityY(vy),
      speed(speed),
      lastX(0.0f),
      lastY(0.0f),
      followingRoute(false),
      lastExpansions(0)
{
}

CPersonMovement::~CPersonMovement()
{
    if (whoIsMoving == owner) {
        whoIsMoving = nullptr;
    }
}

// ---- Headings -------------------------------------------------------------------

bool CPersonMovement::IsAllowedHeading(float angle)
{
    for (int i = 0; i < 8; i += 2) {
        if (angle >= kWalkLimits[i] && angle <= kWalkLimits[i + 1]) {
            return true;
        }
    }
    return false;
}

float CPersonMovement::FindClosestWalkAngle(float angle)
{
    // No wrap-around: an angle just below 360 degrees snaps to 330, one just
    // above 0 to 30.
    float best = kWalkLimits[0];
    float bestDifference = std::fabs(angle - best);
    for (float limit : kWalkLimits) {
        const float difference = std::fabs(angle - limit);
        if (difference < bestDifference) {
            best = limit;
            bestDifference = difference;
        }
    }
    return best;
}

bool CPersonMovement::AdjustTrajectory(float x, float y, float targetX, float targetY, float& heading,
                                       float& vx, float& vy) const
{
    if (GetDist(x, y, targetX, targetY) <= kArrivalRadius) {
        return true;
    }
    const float direct = FindAngle(x, y, targetX, targetY);
    const float allowed = IsAllowedHeading(direct) ? direct : FindClosestWalkAngle(direct);
    // Off the allowed headings the walker finishes its diagonal leg until the
    // direct angle swings into an allowed range.
    if (heading != -1.0f && std::fabs(direct - allowed) >= kKeepHeadingTolerance) {
        return false;
    }
    if (heading == allowed) {
        return false;
    }
    heading = allowed;
    vx = speed * sinf(allowed);
    vy = -speed * cosf(allowed);
    return false;
}

// ---- Obstacles ---------------------------------------------------------------------

bool CPersonMovement::WithinMapBounds(float x, float y)
{
    return x >= 0.0f && x <= WALK_MAX_X && y >= 0.0f && y <= WALK_MAX_Y;
}

bool CPersonMovement::CheckCollisionAt(float x, float y) const
{
    const int ix = Round(x);
    const int iy = Round(y);
    if (ix < 0 || ix > WALK_MAX_X || iy < 0 || iy > WALK_MAX_Y) {
        return true;
    }
    if (ignoreObstructions) {
        return false;
    }
    return CObject::Collision(ix + kFeetX, iy + kFeetY, kFeetW, kFeetH, false);
}

bool CPersonMovement::StraightWalkBlocked(float x, float y, float targetX, float targetY) const
{
    if (speed <= 0.0f) {
        // Only a walk that has already arrived can be done without moving.
        return CheckCollisionAt(x, y) || GetDist(x, y, targetX, targetY) > kArrivalRadius;
    }
    const float distance = GetDist(x, y, targetX, targetY);
    const float stepsNeeded = distance / speed * kStraightWalkStepFactor;
    const int mostSteps =
        (stepsNeeded < kMostStraightWalkSteps ? static_cast<int>(stepsNeeded) : kMostStraightWalkSteps) +
        kStraightWalkExtraSteps;
    float walkHeading = -1.0f;
    float vx = 0.0f, vy = 0.0f;
    for (int step = 0; step <= mostSteps; step++) {
        x += vx;
        y += vy;
        if (CheckCollisionAt(x, y)) {
            return true;
        }
        if (AdjustTrajectory(x, y, targetX, targetY, walkHeading, vx, vy)) {
            return false;
        }
    }
    return true;
}

bool CPersonMovement::CollisionAlongPath(float x, float y, float targetX, float targetY) const
{
    if (CObject::isSimulating) {
        return false;
    }
    return StraightWalkBlocked(x, y, targetX, targetY);
}

void CPersonMovement::ClampToWalkableArea()
{
    // Clamped to the last whole pixel inside, so that rounding in the
    // collision test never lands outside.
    float& x = *positionX;
    float& y = *positionY;
    if (x <= 0.0f) {
        x = 0.0f;
    } else if (x > WALK_MAX_X) {
        x = WALK_MAX_X;
    }
    if (y <= 0.0f) {
        y = 0.0f;
    } else if (y > WALK_MAX_Y) {
        y = WALK_MAX_Y;
    }
}

int CPersonMovement::HandleCollisions(bool restore)
{
    ClampToWalkableArea();
    if (!CheckCollisionAt(*positionX, *positionY)) {
        return 0;
    }
    if (restore) {
        *positionX = lastX;
        *positionY = lastY;
    }
    StopMovement();
    WarpNearby(10, false);
    return 0;
}

bool CPersonMovement::WarpNearby(int range, bool both)
{
    const int half = range / 2;
    bool once = both;
    for (int nudge = 0; nudge < kMostNudges; nudge++) {
        if (!once && !CheckCollisionAt(*positionX, *positionY)) {
            return true;
        }
        *positionX += static_cast<float>(RangedRandom(0, range) - half);
        // Blocked walkers drift downwards, away from what they walked into.
        *positionY += static_cast<float>(once ? RangedRandom(0, range) - half : RangedRandom(0, range));
        ClampToWalkableArea();
        once = false;
    }
    return !CheckCollisionAt(*positionX, *positionY);
}

void CPersonMovement::WarpTo(float x, float y)
{
    *positionX = x;
    *positionY = y;
}

// ---- Walking -----------------------------------------------------------------------

void CPersonMovement::SetTarget(int x, int y)
{
    targetX = x;
    targetY = y;
    heading = -1.0f;
}

void CPersonMovement::MoveTo(int x, int y)
{
    if (CheckCollisionAt(static_cast<float>(x), static_cast<float>(y))) {
        return;
    }
    if (whoIsMoving && !followingRoute) {
        pendingX = x;
        pendingY = y;
        return;
    }
    const float distance = GetDist(*positionX, *positionY, static_cast<float>(x), static_cast<float>(y));
    const bool straight = CObject::isSimulating
                              ? distance <= kLongestStraightWalk
                              : distance <= kLongestStraightWalk &&
                                    !StraightWalkBlocked(*positionX, *positionY, x, y);
    if (straight) {
        SetTarget(x, y);
    } else if (!followingRoute) {
        PathfindTo(x, y, false);
    }
    // While following a route, a waypoint that cannot be walked to straight
    // is skipped.
    whoIsMoving = owner;
    pendingX = pendingY = -1;
}

bool CPersonMovement::CanWeMoveTo(int x, int y)
{
    if (CheckCollisionAt(static_cast<float>(x), static_cast<float>(y))) {
        return false;
    }
    return PathfindTo(x, y, true);
}

void CPersonMovement::StopMovement()
{
    waypoints.clear();
    targetX = targetY = -1;
    pendingX = pendingY = -1;
    followingRoute = false;
    heading = -1.0f;
    stepped = false;
}

bool CPersonMovement::IsMoving() const
{
    return targetX != -1 || pendingX != -1 || followingRoute || stepped;
}

void CPersonMovement::GetDestination(int& x, int& y) const
{
    if (!waypoints.empty()) {
        x = static_cast<int>(waypoints.back().x);
        y = static_cast<int>(waypoints.back().y);
    } else if (pendingX != -1) {
        x = pendingX;
        y = pendingY;
    } else {
        x = targetX;
        y = targetY;
    }
}

void CPersonMovement::Pump(int)
{
    lastX = *positionX;
    lastY = *positionY;
    stepped = false;
    if (whoIsMoving == owner) {
        whoIsMoving = nullptr;
    }
    if (pendingX != -1) {
        // MoveTo keeps it pending again when it still has to wait; a target
        // that has become blocked meanwhile is dropped.
        const int x = pendingX, y = pendingY;
        pendingX = pendingY = -1;
        MoveTo(x, y);
    }
    if (followingRoute && targetX == -1 && !waypoints.empty()) {
        const float_coordinate next = waypoints.front();
        MoveTo(Round(next.x), Round(next.y));
        waypoints.pop_front();
    }
    if (waypoints.empty()) {
        followingRoute = false;
    }
    if (targetX == -1) {
        HandleCollisions(true);
        return;
    }
    const float tx = static_cast<float>(targetX), ty = static_cast<float>(targetY);
    if (AdjustTrajectory(*positionX, *positionY, tx, ty, heading, *velocityX, *velocityY)) {
        *positionX = tx;
        *positionY = ty;
        targetX = targetY = -1;
        heading = -1.0f;
        return;
    }
    stepped = true;
    *positionX += *velocityX;
    *positionY += *velocityY;
    HandleCollisions(true);
}
