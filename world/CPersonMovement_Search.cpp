#include "CPersonMovement.h"

#include "CObject.h"
#include "CPerson.h"
#include "Utilities.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstdio>
#include <set>

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

// One entry of the open list, placed by the F its record had when it was
// added. An improvement rewrites the record in place and leaves the entry
// where it stands; insertion order breaks ties between equal places.
struct open_entry {
    float F;
    uint32_t order;
    astar_node* record;
};

struct later_entry {
    bool operator()(const open_entry& a, const open_entry& b) const
    {
        return a.F > b.F || (a.F == b.F && a.order > b.order);
    }
};

// The state of one search: its records (at most one per node, so their
// addresses stay put), the open heap with its own marks, the F values of the
// open records and the closed set.
struct search_state {
    search_state() : recordOf(kNodeCount, nullptr), open(kNodeCount, false), closed(kNodeCount, false)
    {
        records.reserve(kNodeCount);
    }

    // A record whose F equals that of an open record is not added; its node
    // stays neither open nor closed and may be offered again.
    void Add(astar_node* parent, pathnode* node, float G, float H)
    {
        const float F = G + H;
        if (openF.count(F) != 0) {
            return;
        }
        assert(records.size() < records.capacity());
        records.push_back(astar_node{parent, node, F, G, H});
        astar_node* record = &records.back();
        const int index = NodeIndex(node);
        recordOf[index] = record;
        open[index] = true;
        openF.insert(F);
        queue.push_back(open_entry{F, nextOrder++, record});
        std::push_heap(queue.begin(), queue.end(), later_entry());
    }

    void Improve(astar_node* record, astar_node* parent, float G, float H)
    {
        openF.erase(openF.find(record->F));
        record->parent = parent;
        record->G = G;
        record->H = H;
        record->F = G + H;
        openF.insert(record->F);
    }

    bool IsOpen(const pathnode* node) const { return open[NodeIndex(node)]; }
    bool IsClosed(const pathnode* node) const { return closed[NodeIndex(node)]; }

    // The first open record, now closed, or null when the list is used up.
    astar_node* Next()
    {
        if (queue.empty()) {
            return nullptr;
        }
        std::pop_heap(queue.begin(), queue.end(), later_entry());
        astar_node* record = queue.back().record;
        queue.pop_back();
        const int index = NodeIndex(record->node);
        open[index] = false;
        closed[index] = true;
        openF.erase(openF.find(record->F));
        return record;
    }

    std::vector<astar_node> records;
    std::vector<astar_node*> recordOf;
    std::vector<bool> open;
    std::vector<bool> closed;
    std::multiset<float> openF;
    std::vector<open_entry> queue;
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
    // Every pass counts as a failure of this target, so the nudging ends in
    // a warp at the latest.
    for (;;) {
        if (owner && owner->isPerson && static_cast<CPerson*>(owner)->IsPickedUp()) {
            printf("PATHFINDING TO: %i %i (%i)\n", x, y, static_cast<int>(reinterpret_cast<uintptr_t>(this) & 0x7fffffff));
        }
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
        // Nowhere to start: the walker is nudged a pixel and the search runs
        // again as a real one, also when this was only a check.
        *positionX += static_cast<float>(RangedRandom(-1, 1));
        *positionY += static_cast<float>(RangedRandom(-1, 1));
        // A walker on the edge of the walkable area could be nudged off it,
        // where the straight walk to every start node fails at its first
        // point: each later nudge would be wasted and the walker would end
        // warped onto its target.
        ClampToWalkableArea();
        checkOnly = false;
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
            search.Add(nullptr, node, StepCost(node, GetDist(px, py, node->x, node->y)),
                       GetDist(node->x, node->y, targetX, targetY));
        }
    }

    if (search.queue.empty()) {
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
            const float H = GetDist(neighbour->x, neighbour->y, targetX, targetY);
            if (search.IsOpen(neighbour)) {
                astar_node* known = search.recordOf[NodeIndex(neighbour)];
                if (known->F > G + H) {
                    search.Improve(known, current, G, H);
                }
            } else if (!search.IsClosed(neighbour)) {
                search.Add(current, neighbour, G, H);
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
