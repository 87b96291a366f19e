// The flowers of a new island: ten beds of flowers in clumps beside the
// trees and rocks or a grass mystery, then single flowers near others and a
// few new clumps, each placed by the generator's flower rule and recorded in
// the flower list; and their small pictures on the preview.
#include "CMap.h"

#include "CMysteriousObject.h"
#include "CStone.h"
#include "CTree.h"
#include "Log.h"
#include "Utilities.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

namespace {

constexpr int kPreviewScale = 8;
// Flower candidates are in world pixels plus the playable border.
constexpr int kShift = PLAYABLE_BORDER;
constexpr int kCandidateLow = 96, kCandidateHigh = 4000;
constexpr int kNoNeighbour = 1000;
constexpr int kBeds = 10;
constexpr int kBedTries = 10001;
constexpr int kFollowerTries = 101;
// Single flowers and late clumps may lie this far from any tree or rock.
constexpr int kFarObjects = 1000;
// No place found after this many tries: the flower is left out.
constexpr int kPlacementAttempts = 100000;

}  // namespace

// The recorded flowers by 64-pixel cell, so that a candidate is tested
// against its neighbours only.
struct CMap::flower_grid {
    static constexpr int kCell = 64;
    static constexpr int kCells = 64;

    std::vector<int> cells[kCells * kCells];
    size_t indexed = 0;

    static int CellOf(int v) { return std::min(std::max(v / kCell, 0), kCells - 1); }

    void Sync(const std::vector<flower_data>& flowers)
    {
        for (; indexed < flowers.size(); indexed++) {
            const flower_data& f = flowers[indexed];
            cells[CellOf(f.x) * kCells + CellOf(f.y)].push_back(static_cast<int>(indexed));
        }
    }
};

int CMap::NearestFlowerDistance(int x, int y, int within) const
{
    int nearest = INT_MAX;
    auto consider = [&](const flower_data& f) {
        const int d = Round(GetDist(x, y, f.x, f.y));
        if (d <= within) {
            nearest = std::min(nearest, d);
        }
    };
    if (!flowerGrid) {
        for (const flower_data& f : flowers) {
            consider(f);
        }
    } else {
        // A rounded distance of at most within lies less than within + 1 away.
        const int reach = within + 1;
        for (int cx = flower_grid::CellOf(x - reach); cx <= flower_grid::CellOf(x + reach); cx++) {
            for (int cy = flower_grid::CellOf(y - reach); cy <= flower_grid::CellOf(y + reach); cy++) {
                for (int index : flowerGrid->cells[cx * flower_grid::kCells + cy]) {
                    consider(flowers[static_cast<size_t>(index)]);
                }
            }
        }
    }
    return nearest == INT_MAX ? -1 : nearest;
}

bool CMap::PlaceFlower(int size, int group, int minFlowerDist, int maxFlowerDist, int minObjectDist,
                       int maxObjectDist, bool newClump, bool nearLast)
{
    if (flowerGrid) {
        flowerGrid->Sync(flowers);
    }
    int cx, cy;
    bool mysteryCandidate = false;
    if (!newClump && !flowers.empty()) {
        const flower_data& near =
            nearLast ? flowers.back() : flowers[static_cast<size_t>(RangedRandom(0, static_cast<int>(flowers.size()) - 1))];
        cx = near.x + kShift + RangedRandom(-maxFlowerDist, maxFlowerDist);
        cy = near.y + kShift + RangedRandom(-maxFlowerDist, maxFlowerDist);
        group = near.colourGroup;
    } else {
        // A clump starts at the foot of a grass mystery that has none yet.
        CMysteriousObject* mystery = nullptr;
        if (mysteries[0] && mysteries[1] && mysteries[2]) {
            for (CMysteriousObject* candidate : mysteries) {
                if (!candidate->patchPlaced && !candidate->IsOnSand()) {
                    mystery = candidate;
                    break;
                }
            }
        }
        if (mystery) {
            mystery->patchPlaced = true;
            cx = mystery->GetX() + kShift + mystery->GetW() / 2;
            cy = mystery->GetY() + 76 + mystery->GetH();
            mysteryCandidate = true;
        } else {
            cx = Round(RangedRandom(0.0f, 1.0f) * 4096);
            cy = Round(RangedRandom(0.0f, 1.0f) * 4096);
        }
    }
    if (cx < kCandidateLow || cx > kCandidateHigh || cy < kCandidateLow || cy > kCandidateHigh) {
        return false;
    }
    const int px = cx - kShift;
    const int py = cy - kShift;
    int sx, sy;
    WorldToSample(px, py, sx, sy);
    if (GetHeight(sx, sy) < grassLevel - 50) {
        return false;
    }

    int nearestObject = kNoNeighbour;
    bool crowded = false;
    for (CStone* rock : rocks) {
        const int d = rock->GetDistFrom(px, py);
        crowded = crowded || d <= minObjectDist;
        nearestObject = std::min(nearestObject, d);
    }
    for (CTree* tree : trees) {
        const int d = tree->GetDistFrom(px, py);
        crowded = crowded || d <= minObjectDist;
        nearestObject = std::min(nearestObject, d);
    }
    if (crowded || (newClump && !mysteryCandidate && nearestObject > maxObjectDist)) {
        return false;
    }

    if (NearestFlowerDistance(px, py, minFlowerDist) != -1) {
        return false;
    }
    if (!newClump) {
        const bool lonely = flowers.empty() ? kNoNeighbour > maxFlowerDist
                                            : NearestFlowerDistance(px, py, maxFlowerDist) == -1;
        if (lonely) {
            return false;
        }
    }
    if (!CMysteriousObject::CheckFlower(px, py)) {
        return false;
    }

    static constexpr int kGroupColours[3][3] = {{0, 1, 2}, {0, 3, 4}, {0, 5, 6}};
    const int pick = RangedRandom(0, 2);
    const int colour = group == 1 || group == 2 ? kGroupColours[group][pick] : pick;
    const int type = RangedRandom(0, 2);
    flower_data flower{};
    flower.firstOfClump = newClump ? 1 : 0;
    flower.x = px;
    flower.y = py;
    flower.colour = colour;
    flower.colourGroup = group;
    flower.size = size;
    flower.type = type;
    flowers.push_back(flower);
    return true;
}

void CMap::PlaceFlowers(int count, int tries, bool drawGroup, int group, int minFlowerDist, int maxFlowerDist,
                        bool newClump, bool nearLast)
{
    for (int n = 0; n < count; n++) {
        // A flower that must join another has nothing to join yet.
        if (!newClump && flowers.empty() && kNoNeighbour > maxFlowerDist) {
            logMessage("No flower is there to grow beside; flowers were left out: ", TempSprintf("%i", count - n));
            return;
        }
        bool placed = false;
        for (int attempt = 0; attempt < tries && !placed; attempt++) {
            const int g = drawGroup ? RangedRandom(0, 2) : group;
            const int s = RangedRandom(0, 2);
            placed = PlaceFlower(s, g, minFlowerDist, maxFlowerDist, 0, kFarObjects, newClump, nearLast);
        }
        if (!placed && tries == kPlacementAttempts) {
            logMessage("No place was found for a flower; it was left out: ", TempSprintf("%u", GetCurrentSeed()));
        }
    }
}

void CMap::CreateFlowersForIsland()
{
    InitRandom(GetCurrentSeed());
    if (playable) {
        DrawFlowers(-1, -1, -1, -1);
        return;
    }
    if (!loading) {
        flowers.clear();
        std::unique_ptr<flower_grid> grid(new flower_grid);
        flowerGrid = grid.get();
        for (int bed = 0; bed < kBeds; bed++) {
            bool placed = false;
            int tries = 0;
            while (!placed && tries < kBedTries) {
                tries++;
                placed = PlaceFlower(RangedRandom(0, 2), bed % 3, 400, 800, 0, 50, true, false);
            }
            // A bed found only on its very last try gets no flowers round it.
            if (!placed || tries == kBedTries) {
                continue;
            }
            PlaceFlowers(30, kFollowerTries, true, 0, 6, 15, false, true);
            PlaceFlowers(23, kFollowerTries, true, 0, 6, 26, false, true);
        }
        PlaceFlowers(250, kPlacementAttempts, true, 0, 6, 22, false, false);
        PlaceFlowers(250, kPlacementAttempts, true, 0, 6, 45, false, false);
        PlaceFlowers(50, kPlacementAttempts, false, 0, 30, 100, true, false);
        flowerGrid = nullptr;
    }
    AddFlowerPictures();
}

void CMap::AddFlowerPictures()
{
    for (const flower_data& flower : flowers) {
        if (flower.firstOfClump || RangedRandom(0, 1) != 0) {
            continue;
        }
        AddPicture(flower.y / kPreviewScale, flower.x / kPreviewScale, flower.y / kPreviewScale,
                   TempSprintf("flower_minimap_colour_%i_type_%i.png", flower.colour, RangedRandom(0, 3)), false,
                   false);
    }
}
