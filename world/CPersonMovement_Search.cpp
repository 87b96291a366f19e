#include "CPersonMovement.h"

#include "CObject.h"
#include "CPerson.h"
#include "Utilities.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstdio>

namespace {

constexpr int kMostFailures = 30;    // failures of one target before a warp
constexpr int kMostSearches = 900;   // searches without a route before a warp
constexpr int kMostExpansions = 2000;
constexpr int kStartReach = 100;     // start nodes lie this far around the walker
constexpr float kGoalReach = 100.0f; // a node this near may walk to the target
constexpr int kNodeCount = PATH_COLUMNS * PATH_ROWS;

int FloorDiv(int a, int b)
{
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int CeilDiv(int a, int b) { return -FloorDiv(-a, b); }

int Clamp(int value, int lo, int hi) { return value < lo ? lo : (value > hi ? hi : value); }

int NodeIndex(const pathnode* node)
{
    const int index = static_cast<int>(node - &CPersonMovement::pathMap[0][0]);
    assert(index >= 0 && index < kNodeCount);
    return index;
}

int64_t FailureKey(int x, int y) { return static_cast<int64_t>(y) * 10000 + x; }

// One entry of the open list. An improved record is queued again under its
// new F; the entry left behind is stale and skipped when it comes up.
struct open_entry {
    float F;
    uint32_t order;  // insertion order breaks ties, so no entry is lost
    astar_node* record;
};

struct later_entry {
    bool operator()(const open_entry& a, const open_entry& b) const
    {
        return a.F > b.F || (a.F == b.F && a.order > b.order);
    }
};

// The state of one search: its records (at most one per node, so their
// addresses stay put), the open heap and the closed set.
struct search_state {
    search_state() : recordOf(kNodeCount, nullptr), closed(kNodeCount, false) { records.reserve(kNodeCount); }

    astar_node* NewRecord(astar_node* parent, pathnode* node, float G, float H)
    {
        assert(records.size() < records.capacity());
        records.push_back(astar_node{parent, node, G + H, G, H});
        astar_node* record = &records.back();
        recordOf[NodeIndex(node)] = record;
        Queue(record);
        return record;
    }

    void Queue(astar_node* record)
    {
        open.push_back(open_entry{record->F, nextOrder++, record});
        std::push_heap(open.begin(), open.end(), later_entry());
    }

    // The open record of least F, or null when the list is used up.
    astar_node* Next()
    {
        while (!open.empty()) {
            std::pop_heap(open.begin(), open.end(), later_entry());
            const open_entry entry = open.back();
            open.pop_back();
            const int index = NodeIndex(entry.record->node);
            if (!closed[index] && entry.F == entry.record->F) {
                closed[index] = true;
                return entry.record;
            }
        }
        return nullptr;
    }

    std::vector<astar_node> records;
    std::vector<astar_node*> recordOf;
    std::vector<bool> closed;
    std::vector<open_entry> open;
    uint32_t nextOrder = 0;
};

}  // namespace

float CPersonMovement::StepCost(const pathnode* into, float distance) const
{
    // The first search after a route was found keeps to land where it can.
    return searchCount <= 1 ? distance * into->cost : distance;
}

bool CPersonMovement::PathfindTo(int x, int y, bool checkOnly)
{
    if (owner && owner->isPerson && static_cast<CPerson*>(owner)->IsPickedUp()) {
        printf("PATHFINDING TO: %i %i (%i)\n", x, y, static_cast<int>(reinterpret_cast<uintptr_t>(this) & 0x7fffffff));
    }
    // Every pass counts as a failure of this target, so the nudging ends in
    // a warp at the latest.
    for (;;) {
        int& failures = failureCounts[FailureKey(x, y)];
        failures++;
        if (failures > kMostFailures) {
            if (!checkOnly) {
                WarpTo(static_cast<float>(x), static_cast<float>(y));
                failureCounts.clear();
            }
            return true;
        }
        searchCount++;
        if (searchCount > kMostSearches) {
            if (!checkOnly) {
                WarpTo(static_cast<float>(x), static_cast<float>(y));
                searchCount = 0;
            }
            return true;
        }
        if (checkOnly && CheckCollisionAt(static_cast<float>(x), static_cast<float>(y))) {
            return false;
        }
        const search_outcome outcome = Search(x, y, checkOnly);
        if (outcome != NOWHERE_TO_START) {
            return outcome == ROUTE_FOUND;
        }
        // A check says so; a real search nudges the walker a pixel and tries
        // again.
        if (checkOnly) {
            return false;
        }
        *positionX += static_cast<float>(RangedRandom(-1, 1));
        *positionY += static_cast<float>(RangedRandom(-1, 1));
        ClampToWalkableArea();
    }
}

CPersonMovement::search_outcome CPersonMovement::Search(int targetX, int targetY, bool checkOnly)
{
    search_state search;
    lastExpansions = 0;

    const int px = Round(*positionX);
    const int py = Round(*positionY);
    const int firstColumn = Clamp(CeilDiv(px - kStartReach, PATH_SPACING), 0, PATH_COLUMNS);
    const int lastColumn = Clamp(FloorDiv(px + kStartReach, PATH_SPACING), -1, PATH_COLUMNS - 1);
    const int firstRow = Clamp(CeilDiv(py - kStartReach, PATH_SPACING), 0, PATH_ROWS);
    const int lastRow = Clamp(FloorDiv(py + kStartReach, PATH_SPACING), -1, PATH_ROWS - 1);
    for (int c = firstColumn; c <= lastColumn; c++) {
        for (int r = firstRow; r <= lastRow; r++) {
            pathnode* node = &pathMap[c][r];
            if (!node->active) {
                continue;
            }
            if (!CObject::isSimulating && StraightWalkBlocked(px, py, node->x, node->y)) {
                continue;
            }
            search.NewRecord(nullptr, node, StepCost(node, GetDist(px, py, node->x, node->y)),
                             GetDist(node->x, node->y, targetX, targetY));
        }
    }

    if (search.open.empty()) {
        return NOWHERE_TO_START;
    }

    astar_node* goal = nullptr;
    while (lastExpansions < kMostExpansions) {
        astar_node* current = search.Next();
        if (!current) {
            break;
        }
        lastExpansions++;
        pathnode* node = current->node;
        if (current->H <= kGoalReach &&
            (CObject::isSimulating || !StraightWalkBlocked(node->x, node->y, targetX, targetY))) {
            goal = current;
            break;
        }
        for (int k = 0; k < 4; k++) {
            pathnode* neighbour = node->links[k];
            if (!neighbour || !node->linkOpen[k]) {
                continue;
            }
            const float G = current->G + StepCost(neighbour, GetDist(node->x, node->y, neighbour->x, neighbour->y));
            astar_node* known = search.recordOf[NodeIndex(neighbour)];
            if (!known) {
                search.NewRecord(current, neighbour, G, GetDist(neighbour->x, neighbour->y, targetX, targetY));
            } else if (!search.closed[NodeIndex(neighbour)] && known->F > G + known->H) {
                known->parent = current;
                known->G = G;
                known->F = G + known->H;
                search.Queue(known);
            }
        }
    }

    if (!goal) {
        return NO_ROUTE;
    }
    if (checkOnly) {
        return ROUTE_FOUND;
    }
    std::vector<float_coordinate> route;
    for (const astar_node* record = goal; record; record = record->parent) {
        route.push_back(float_coordinate{static_cast<float>(record->node->x), static_cast<float>(record->node->y)});
    }
    waypoints.insert(waypoints.end(), route.rbegin(), route.rend());
    waypoints.push_back(float_coordinate{static_cast<float>(targetX), static_cast<float>(targetY)});
    followingRoute = true;
    searchCount = 0;
    failureCounts[FailureKey(targetX, targetY)] = 0;
    return ROUTE_FOUND;
}
