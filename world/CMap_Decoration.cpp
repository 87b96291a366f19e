// The beach decoration of a new island: palms and beach rocks on the wide
// sandy places, shells, starfish and pebbles around them and at the foot of
// the sand mysteries. It is placed on the preview island, between the
// mysteries and the trees, and kept for the playable island; only what lies
// on sand stays.
#include "CMap.h"

#include "CDoodad.h"
#include "CMysteriousObject.h"
#include "CStone.h"
#include "CTree.h"
#include "Log.h"
#include "Utilities.h"

#include <vector>

namespace {

constexpr int kPreviewScale = 8;

// One place on the beach to decorate, world pixels. Kind 0 the widest
// sands (a palm or a beach rock and a few big finds), 1 and 2 smaller ones,
// 3 the narrow strips (a shell at most and pebbles).
struct region_type {
    int x, y;
    int kind;
    bool mystery;  // the foot of a mystery that stands on sand
};
static_assert(sizeof(region_type) == 16, "region_type: three ints and a flag");

struct region_search {
    int least;     // tiles a side
    float spacing;  // from every region already listed
};

constexpr region_search kWide = {8, 350.0f};
constexpr region_search kMiddle = {6, 350.0f};
constexpr region_search kNarrow = {2, 210.0f};
constexpr int kFirstMiddleRegions = 3;

constexpr int kWander = 95;
constexpr int kBigBox = 24, kSmallBox = 16;
constexpr float kDoodadSpacing = 60.0f;
constexpr int kPebbleBox = 7;
constexpr int kPebbleReach = 50, kStripPebbleReach = 100;
// A find or pebble that finds no room after this many tries is left out.
constexpr int kAttempts = 1000;

// Deletes every object of the list and empties it.
template <typename T>
void DeleteAll(std::vector<T*>& list)
{
    std::vector<T*> doomed;
    doomed.swap(list);
    for (T* object : doomed) {
        delete object;
    }
}

}  // namespace

void CMap::CreateDoodadsForIsland(bool force)
{
    if (playable) {
        return;
    }
    beachPalms.clear();
    beachRocks.clear();
    DeleteAll(doodads);
    // The trees and rocks of the last island are replaced right after the
    // decoration; gone first, they cannot stand in its way, so the island
    // comes out the same whatever island was shown before it.
    if (!loading) {
        DeleteAll(trees);
        DeleteAll(rocks);
    }

    std::vector<region_type> regions;
    for (CMysteriousObject* mystery : mysteries) {
        if (mystery && mystery->IsOnSand()) {
            regions.push_back(region_type{mystery->GetX() + mystery->GetW() / 2,
                                          mystery->GetY() + mystery->GetH() - 20, 0, true});
        }
    }
    int middleRegions = 0;
    auto search = [&](const region_search& how, int defaultKind) {
        for (int skip = 0;; skip++) {
            int x1 = how.least, y1 = how.least, x2 = 0, y2 = 0;
            if (!GetSizedRegion(TILE_SAND, x1, y1, x2, y2, skip, false)) {
                return;
            }
            const int x = (x1 + (x2 - x1) / 2 - borderX) * kPreviewScale;
            const int y = (y1 + (y2 - y1) / 2 - borderY) * kPreviewScale;
            bool crowded = false;
            for (const region_type& region : regions) {
                crowded = crowded || GetDist(x, y, region.x, region.y) < how.spacing;
            }
            if (crowded) {
                continue;
            }
            int kind = defaultKind;
            if (defaultKind == 1 && middleRegions++ >= kFirstMiddleRegions) {
                kind = 2;
            }
            regions.push_back(region_type{x, y, kind, false});
        }
    };
    search(kWide, 0);
    search(kMiddle, 1);
    search(kNarrow, 3);

    auto tooClose = [&](int x, int y) {
        for (CDoodad* doodad : doodads) {
            if (GetDist(doodad->GetX(), doodad->GetY(), x, y) < kDoodadSpacing) {
                return true;
            }
        }
        return false;
    };
    auto addDoodad = [&](int x, int y, int kind) {
        CDoodad* doodad = new CDoodad(x, y, kind);
        doodad->Hide();
        doodads.push_back(doodad);
    };
    // Pebbles around (x, y), each where a pebble's box is clear.
    auto scatterPebbles = [&](int x, int y, int count, int reach) {
        for (int made = 0, attempt = 0; made < count && attempt < kAttempts; attempt++) {
            const int px = x + RangedRandom(-reach, reach) - 3;
            const int py = y + RangedRandom(-reach, reach) - 3;
            if (!CObject::Collision(px, py, kPebbleBox, kPebbleBox, true)) {
                addDoodad(px, py, CDoodad::PEBBLE);
                made++;
            }
        }
    };

    for (const region_type& region : regions) {
        int px = region.x, py = region.y;
        if (region.kind == 0 && !region.mystery) {
            const int a = RangedRandom(0, 1);
            const int b = RangedRandom(0, 20);
            const int rockSize = b == 0 ? 4 : a != 0 ? 3 : 0;
            const int c = RangedRandom(0, 3);
            if (!force) {
                if (c != 0) {
                    beachPalms.push_back(AddTree(px, py, RangedRandom(0, 2), -1, false, true, false));
                } else {
                    beachRocks.push_back(AddRock(px, py, rockSize, false, true));
                }
            }
        }
        int count = RangedRandom(3, 4);
        if (region.kind == 1) {
            count = RangedRandom(2, 3);
        } else if (region.kind == 2) {
            count = RangedRandom(1, 2);
        } else if (region.kind == 3) {
            count = RangedRandom(0, 2) == 0 ? 1 : 0;
        }
        if (region.mystery) {
            count = RangedRandom(3, 4);
        }
        for (int attempt = 0; count >= 1 && attempt < kAttempts; attempt++) {
            px += RangedRandom(-kWander, kWander);
            py += RangedRandom(-kWander, kWander);
            if (region.kind == 0) {
                px = region.x + RangedRandom(-kWander, kWander);
                py = region.y + RangedRandom(-kWander, kWander);
            }
            const bool big = RangedRandom(0, 1) != 0;
            const int box = big ? kBigBox : kSmallBox;
            const int left = px - box / 2;
            const int top = py - box / 2;
            if (CObject::Collision(left, top, box, box, true) || tooClose(px, py)) {
                continue;
            }
            const bool shell = RangedRandom(0, 1) == 1;
            const int kind = big ? (shell ? CDoodad::BIG_SHELL : CDoodad::BIG_STARFISH)
                                 : (shell ? CDoodad::SMALL_SHELL : CDoodad::SMALL_STARFISH);
            addDoodad(left, top, kind);
            count--;
            scatterPebbles(px, py, RangedRandom(1, 3), kPebbleReach);
        }
        if (count >= 1) {
            logMessage("No room was found for beach decoration; it was left out: ", TempSprintf("%i", count));
        }
        if (region.kind == 3) {
            scatterPebbles(px, py, RangedRandom(2, 3), kStripPebbleReach);
        }
    }

    // Only what lies on sand stays.
    std::vector<CDoodad*> placed;
    placed.swap(doodads);
    for (CDoodad* doodad : placed) {
        if (IsOnlyOnSand(doodad->GetX(), doodad->GetY())) {
            doodads.push_back(doodad);
        } else {
            delete doodad;
        }
    }
    for (CDoodad* doodad : doodads) {
        const int x = doodad->GetX() / kPreviewScale;
        const int y = doodad->GetY() / kPreviewScale;
        AddPicture(y, x, y, doodad->GetSpriteName(), true, false);
    }
}
