// Walks one islander. The islander owns one CPersonMovement, built with
// pointers to its own position and velocity floats, and pumps it once a frame:
// it steps the islander towards its target along the few headings an islander
// may walk, keeps its feet out of obstructions, and when a straight walk is
// blocked or too long finds a route with an A* search over the walk grid.
//
// The walk grid is one static checkerboard of nodes 50 pixels apart that
// covers the playable island; its diagonal links are re-tested whenever an
// obstruction appears or goes (CObject::AddObstruction and friends). Only one
// islander a frame may start a new walk or search (whoIsMoving); the others
// keep their target pending and retry on their next frame.
//
// Positions are the sprite's top-left in world pixels; the feet are the box
// (x + 10, y + 52, 14 x 10). Headings are radians, 0 up, growing clockwise.
#pragma once

#include "Types.h"

#include <cstdint>
#include <deque>
#include <map>
#include <vector>

class CObject;
struct obstruction_type;

constexpr int PATH_COLUMNS = 78;
constexpr int PATH_ROWS = 76;
constexpr int PATH_SPACING = 50;  // world pixels between grid columns and rows
constexpr int WALK_MAX_X = 3880;  // the walkable area is 0..WALK_MAX_X
constexpr int WALK_MAX_Y = 3842;  // by 0..WALK_MAX_Y

// One node of the walk grid. Links are the diagonal neighbours, in the order
// (column + 1, row - 1), (column + 1, row + 1), (column - 1, row + 1),
// (column - 1, row - 1); the reverse of link k is link (k + 2) % 4.
struct pathnode {
    int x, y;             // world pixels
    pathnode* links[4];   // null where the neighbour lies outside the grid
    bool linkOpen[4];     // a link is walkable only while its flag is set
    bool active;          // only nodes with column + row even take part
    float cost;           // weight of a step into this node: 1 land, 5 water
};

// One record of a search; they live only as long as the search.
struct astar_node {
    astar_node* parent;  // null for a start node
    pathnode* node;
    float F, G, H;       // G from the walker, H straight to the target
};

class CPersonMovement {
public:
    // The floats and the owner belong to the islander and outlive this walker.
    CPersonMovement(float* x, float* y, float* vx, float* vy, float speed, CObject* owner);
    ~CPersonMovement();
    CPersonMovement(const CPersonMovement&) = delete;
    CPersonMovement& operator=(const CPersonMovement&) = delete;

    // Starts walking to a world point; a blocked target is ignored, and when
    // another islander started a walk this frame the target waits a frame.
    void MoveTo(int x, int y);
    // Whether a route to the point exists. Checks count towards the
    // failures of that target and the searches without a route, so a point
    // checked more than 30 times answers true; a walker from which no start
    // node can be reached is nudged, and the check turns into a real search
    // that may set it on a route.
    bool CanWeMoveTo(int x, int y);
    // The A* search. A real search appends the route it finds; a check
    // (checkOnly) only answers, unless it finds nowhere to start.
    bool PathfindTo(int x, int y, bool checkOnly);
    // One frame of walking; the argument is not used.
    void Pump(int unused);
    void StopMovement();
    // Clamps the walker into the walkable area; when its feet are then
    // blocked it goes back to last frame's position (restore), stops and is
    // nudged free. Returns 0.
    int HandleCollisions(bool restore);
    // Nudges the walker by up to range / 2 pixels sideways and range pixels
    // downwards until its feet are free (and once regardless when both is set,
    // then also upwards). Gives up, still blocked, after a bounded number of
    // nudges; returns whether the feet are free.
    bool WarpNearby(int range, bool both);
    // Moves the walker; its route and targets stay.
    void WarpTo(float x, float y);
    void SetWalkSpeed(float speed) { this->speed = speed; }
    bool CurrentlyMoving() const { return stepped; }
    bool IsMoving() const;
    // Where the walker is heading in the end: the route's last point, else
    // the pending target, else the target; (-1, -1) when idle.
    void GetDestination(int& x, int& y) const;
    // Whether the feet at that position are blocked; outside the walkable
    // area counts as blocked.
    bool CheckCollisionAt(float x, float y) const;
    // One steering step towards the target; true when within 3 pixels of it.
    // Changes the heading and velocity it is given.
    bool AdjustTrajectory(float x, float y, float targetX, float targetY, float& heading, float& vx,
                          float& vy) const;
    // Whether a straight walk from (x, y) to the target is blocked (never
    // while simulating).
    bool CollisionAlongPath(float x, float y, float targetX, float targetY) const;
    // The route still to walk, the target last.
    const std::deque<float_coordinate>& Waypoints() const { return waypoints; }
    // Nodes the last search expanded; at most 2,000.
    int LastSearchExpansions() const { return lastExpansions; }
    float GetXVel() const { return *velocityX; }
    float GetYVel() const { return *velocityY; }

    // The nearest of the eight limits of the allowed headings.
    static float FindClosestWalkAngle(float angle);
    static bool IsAllowedHeading(float angle);
    static bool WithinMapBounds(float x, float y);
    // Whether anything unflagged lies on the line between the points: the
    // points themselves, or (footBox) the walker's feet grown by 5 pixels on
    // every side standing on each point.
    static bool ObstructionBetweenPoints(int x1, int y1, int x2, int y2, bool footBox);

    // ---- The walk grid ------------------------------------------------------
    // A fresh grid with every link open; node costs stay as they are.
    static void GeneratePathMap();
    // Node costs from the current island: 5 below sea level, else 1.
    static void GenerateWaterPathMap();
    // Re-tests every link of the nodes within 200 pixels of the rectangle.
    static void AlterPathMapDueToObstruction(int x, int y, int w, int h);
    // The same for every rectangle of the list at once, testing each link
    // only once.
    static void AlterPathMapDueToObstructions(const std::vector<obstruction_type>& rects);
    // The node at a column and row, or null outside the grid.
    static pathnode* NodeAt(int column, int row);

    static pathnode pathMap[PATH_COLUMNS][PATH_ROWS];
    static CObject* whoIsMoving;  // the islander that started a walk this frame

    bool ignoreObstructions;  // no obstruction blocks this walker while set

private:
    void SetTarget(int x, int y);
    bool StraightWalkBlocked(float x, float y, float targetX, float targetY) const;
    void ClampToWalkableArea();
    enum search_outcome { ROUTE_FOUND, NO_ROUTE, NOWHERE_TO_START };
    // The search proper, once the counts are settled.
    search_outcome Search(int targetX, int targetY, bool checkOnly);
    float StepCost(const pathnode* into, float distance) const;

    int searchCount;  // searches since the last route found
    bool stepped;     // moved during this frame
    int pendingX, pendingY;  // target to retry next frame; -1 none
    std::deque<float_coordinate> waypoints;
    CObject* owner;
    int targetX, targetY;  // -1 none
    float heading;         // -1.0 none
    float* positionX;
    float* positionY;
    float* velocityX;
    float* velocityY;
    float speed;  // pixels a frame
    float lastX, lastY;
    std::map<int64_t, int> failureCounts;  // by target y * 10000 + x
    bool followingRoute;
    int lastExpansions;
};
