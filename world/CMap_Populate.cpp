// Populating a new island: its trees, rocks and three mysteries, each stage
// reseeded with the island's seed, and their small pictures on the preview.
// Everything is placed on the preview island and kept for the playable one.
#include "CMap.h"

#include "CControllerTrophies.h"
#include "CDraw.h"
#include "CMysteriousObject.h"
#include "CStone.h"
#include "CTree.h"
#include "IslandPictures.h"
#include "Log.h"
#include "RockKinds.h"
#include "CSprite.h"
#include "TreeKinds.h"
#include "Utilities.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kPreviewScale = 8;
// A tree or rock stays this far from the camp, in preview samples.
constexpr float kCampClearance = 35.0f;
// No place found after this many tries: the object is left out.
constexpr int kPlacementAttempts = 100000;
constexpr int kNoNeighbour = 8000;
constexpr int kTrophyManyTrees = 16;
constexpr int kTreesForTrophy = 99;
constexpr int kMysterySearches = 10000;
constexpr int kMysteryRegion = 6;
constexpr float kMysteryClearance = 800.0f;

struct tree_group {
    int count;
    int size, gap, reach;
    bool anywhere;
};

// The forest grows from the highest grass outwards: big trees first, then
// clusters of smaller ones around them, then a few of any size.
constexpr tree_group kTreeGroups[] = {
    {4, 0, 9, 500, true}, {9, 0, 9, 15, false}, {22, 1, 9, 12, false}, {35, 2, 9, 12, false},
};

struct rock_group {
    int size, rockGap, reach, treeGap;
    bool anywhere;
};

constexpr rock_group kRockGroups[] = {
    {0, 15, 1000, 12, true}, {0, 3, 12, 12, false}, {1, 2, 9, 12, false}, {2, 1, 7, 12, false},
};
constexpr int kRockGroupCounts[] = {2, 5, 10, 20};

// One use of each picture the objects being placed show or copy, so that
// each is decoded once rather than once an object or once a preview.
void HoldPictures(std::vector<int>& held, bool trees)
{
    CDraw* draw = CSprite::draw;
    if (!held.empty() || !draw) {
        return;
    }
    if (trees) {
        for (int size = 0; size < TREE_SIZES; size++) {
            for (int style = 0; style < kTreeKinds[size].styles; style++) {
                for (int chop = 0; chop < 4; chop++) {
                    held.push_back(
                        draw->LoadImage(TempSprintf("tree_size%i_trunk%i_chop%i.png", size, style, chop), false, true));
                }
            }
            for (int leaves = 0; leaves < TREE_LEAF_PATTERNS; leaves++) {
                held.push_back(draw->LoadImage(TempSprintf("tree_size%i_leaf%i.png", size, leaves), false, true));
            }
        }
    } else {
        for (const rock_kind& kind : kRockKinds) {
            for (int variant = 0; variant < kind.variants; variant++) {
                held.push_back(draw->LoadImage(TempSprintf(kind.image, variant), false, true));
            }
        }
    }
}

bool IsSandMystery(int kind)
{
    return kind == 0 || kind >= 5;
}

}  // namespace

void CMap::picture_hold::Release()
{
    for (std::vector<int>* held : {&trees, &rocks}) {
        for (int id : *held) {
            if (CSprite::draw) {
                CSprite::draw->RemoveImage(id);
            }
        }
        held->clear();
    }
}

CStone* CMap::AddRock(int x, int y, int size, bool addToList, bool scenery)
{
    CStone* rock = new CStone(x, y, size, -1, loading, scenery);
    if (!playable) {
        rock->Hide();
    }
    if (addToList) {
        rocks.push_back(rock);
    }
    return rock;
}

CTree* CMap::AddTree(int x, int y, int size, int trunk, bool addToList, bool scenery, bool mysterious)
{
    if (trees.size() >= kTreesForTrophy) {
        CControllerTrophies::CompleteTrophy(kTrophyManyTrees);
    }
    CTree* tree = new CTree(x, y, size, trunk, loading, scenery, mysterious);
    if (!playable) {
        tree->Hide();
    }
    if (addToList) {
        trees.push_back(tree);
    }
    return tree;
}

bool CMap::OnOpenGrass(int sx, int sy)
{
    const int tx = sx / 4;
    const int ty = sy / 4;
    for (int dx = -1; dx <= 1; dx++) {
        for (int dy = -1; dy <= 1; dy++) {
            if (!TileContainsTerrain_tile(tx + dx, ty + dy, TILE_GRASS)) {
                return false;
            }
        }
    }
    return true;
}

CTree* CMap::PlaceTree(int size, int gap, int reach, bool anywhere)
{
    const int W = samplesWide;
    const int H = samplesHigh;
    for (int attempt = 0; attempt < kPlacementAttempts; attempt++) {
        placementThreshold--;
        int x, y;
        if (!anywhere && !trees.empty()) {
            CTree* anchor = trees[static_cast<size_t>(RangedRandom(0, static_cast<int>(trees.size()) - 1))];
            x = anchor->GetX() / kPreviewScale + RangedRandom(-reach, reach) + borderX;
            y = anchor->GetY() / kPreviewScale + RangedRandom(-reach, reach) + borderY;
        } else {
            x = RangedRandom(3 * borderX, W - 3 * borderX - 1);
            y = RangedRandom(3 * borderY, H - 3 * borderY - 1);
        }
        if (x < borderX || x > W - borderX - 1 || y < borderY || y > H - borderY - 1) {
            continue;
        }
        if (GetDist(x, y, startX, startY) < kCampClearance || !OnOpenGrass(x, y)) {
            continue;
        }
        if (anywhere && GetHeight(x, y) < placementThreshold) {
            continue;
        }
        const int worldX = (x - borderX) * kPreviewScale;
        const int worldY = (y - borderY) * kPreviewScale;
        if (CloseToMysteriousObject(worldX, worldY)) {
            continue;
        }
        int nearest = kNoNeighbour;
        bool crowded = false;
        for (CTree* tree : trees) {
            const int d = tree->GetDistFrom(worldX, worldY);
            crowded = crowded || d <= gap * kPreviewScale;
            nearest = std::min(nearest, d);
        }
        if (crowded) {
            continue;
        }
        if (!anywhere && nearest > reach * kPreviewScale) {
            continue;
        }
        return AddTree(worldX, worldY, size, -1, true, false, false);
    }
    logMessage("No place was found for a tree; it was left out: ", TempSprintf("%u", GetCurrentSeed()));
    return nullptr;
}

CStone* CMap::PlaceRock(int size, int rockGap, int reach, int treeGap, bool anywhere)
{
    const int W = samplesWide;
    const int H = samplesHigh;
    for (int attempt = 0; attempt < kPlacementAttempts; attempt++) {
        int x, y;
        if (!anywhere && !rocks.empty()) {
            // Only the first eight rocks anchor new ones; two in three new
            // rocks lie below their anchor.
            const int last = std::min(static_cast<int>(rocks.size()) - 1, 7);
            CStone* anchor = rocks[static_cast<size_t>(RangedRandom(0, last))];
            x = anchor->GetX() / kPreviewScale + RangedRandom(-reach, reach) + borderX;
            if (RangedRandom(0, 2) != 0) {
                y = anchor->GetY() / kPreviewScale + RangedRandom(1, reach) + borderY;
            } else {
                y = anchor->GetY() / kPreviewScale + RangedRandom(-reach, -3) + borderY;
            }
        } else {
            x = Round(static_cast<float>(RangedRandom(0.0, 1.0) * 512));
            y = Round(static_cast<float>(RangedRandom(0.0, 1.0) * 512));
        }
        if (x < borderX || x > W - borderX - 1 || y < borderY || y > H - borderY - 1) {
            continue;
        }
        if (GetDist(x, y, startX, startY) < kCampClearance || !OnOpenGrass(x, y) ||
            GetHeight(x, y) < grassLevel - 200) {
            continue;
        }
        const int worldX = (x - borderX) * kPreviewScale;
        const int worldY = (y - borderY) * kPreviewScale;
        bool crowded = false;
        for (CTree* tree : trees) {
            crowded = crowded || tree->GetDistFrom(worldX, worldY) <= treeGap * kPreviewScale;
        }
        if (crowded || CloseToMysteriousObject(worldX, worldY)) {
            continue;
        }
        int nearest = kNoNeighbour;
        for (CStone* rock : rocks) {
            const int d = rock->GetDistFrom(worldX, worldY);
            crowded = crowded || d <= rockGap * kPreviewScale;
            nearest = std::min(nearest, d);
        }
        if (crowded) {
            continue;
        }
        if (!anywhere && nearest > reach * kPreviewScale) {
            continue;
        }
        return AddRock(worldX, worldY, size, true, false);
    }
    logMessage("No place was found for a rock; it was left out: ", TempSprintf("%u", GetCurrentSeed()));
    return nullptr;
}

void CMap::CreateTreesForIsland()
{
    InitRandom(GetCurrentSeed());
    if (playable) {
        return;
    }
    if (!loading) {
        const std::vector<CTree*> old = trees;
        trees.clear();
        for (CTree* tree : old) {
            delete tree;
        }
        trees = beachPalms;
        beachPalms.clear();
        // Kept from one preview to the next, until the island is played.
        HoldPictures(heldPictures.trees, true);
        const int anySize = RangedRandom(4, 6);
        placementThreshold = 10000;
        for (const tree_group& group : kTreeGroups) {
            for (int i = 0; i < group.count; i++) {
                PlaceTree(group.size, group.gap, group.reach, group.anywhere);
            }
        }
        for (int i = 0; i < anySize; i++) {
            PlaceTree(-1, 20, 300, false);
        }
    }
    AddTreePictures();
}

void CMap::AddTreePictures()
{
    for (CTree* tree : trees) {
        const int X = tree->GetX() / kPreviewScale;
        const int Y = tree->GetY() / kPreviewScale;
        const int size = tree->GetSize();
        const int style = tree->GetTrunk();
        const coordinate T = {X + kTrunkPictures[size][style].x, Y + kTrunkPictures[size][style].y};
        if (tree->IsScenery()) {
            const coordinate shadow = kTreeShadowPictures[size][style];
            AddPicture(Y - 1, T.x + shadow.x, T.y + shadow.y, TempSprintf("tree_size%i_shadow.png", size), true,
                       false);
        }
        AddPicture(Y, T.x, T.y, TempSprintf("tree_size%i_trunk%i_chop0.png", size, style), true, true);
        const coordinate leaf = kLeafPictures[size][style];
        const coordinate from = size == 0 ? T : coordinate{X, Y};
        AddPicture(2 * Y + 1000 - T.y, from.x + leaf.x, from.y + leaf.y,
                   TempSprintf("tree_size%i_leaf%i.png", size, RangedRandom(0, 4)), true, true);
    }
}

void CMap::CreateRocksForIsland()
{
    InitRandom(GetCurrentSeed());
    if (playable) {
        return;
    }
    if (!loading) {
        const std::vector<CStone*> old = rocks;
        rocks.clear();
        for (CStone* rock : old) {
            delete rock;
        }
        rocks = beachRocks;
        beachRocks.clear();
        HoldPictures(heldPictures.rocks, false);
        // One or two of the biggest rocks, near the beach rocks or anywhere.
        const int biggest = RangedRandom(0, 1);
        for (int i = 0; i < biggest; i++) {
            PlaceRock(4, 15, 1000, 24, false);
        }
        for (int i = 0; i < 2 - biggest; i++) {
            PlaceRock(3, 15, 1000, 24, true);
        }
        for (size_t g = 0; g < sizeof(kRockGroups) / sizeof(kRockGroups[0]); g++) {
            const rock_group& group = kRockGroups[g];
            for (int i = 0; i < kRockGroupCounts[g]; i++) {
                PlaceRock(group.size, group.rockGap, group.reach, group.treeGap, group.anywhere);
            }
        }
    }
    AddRockPictures();
}

void CMap::AddRockPictures()
{
    for (CStone* rock : rocks) {
        const int X = rock->GetX() / kPreviewScale;
        const int Y = rock->GetY() / kPreviewScale;
        const rock_picture& picture = kRockPictures[rock->GetSize()];
        const coordinate T = {X + picture.at.x, Y + picture.at.y};
        if (rock->IsScenery() && picture.shadow) {
            AddPicture(Y - 1, T.x + picture.shadowAt.x, T.y + picture.shadowAt.y,
                       TempSprintf(picture.shadow, rock->GetType()), true, false);
        }
        AddPicture(Y, T.x, T.y, TempSprintf(picture.image, rock->GetType()), true, false);
    }
}

bool CMap::CreateMysteriousObjectsForIsland()
{
    if (playable) {
        return true;
    }
    if (mysteriousObjectsLoaded) {
        for (CMysteriousObject*& mystery : mysteries) {
            delete mystery;
            mystery = nullptr;
        }
    } else {
        mysteriousObjectsLoaded = true;
    }

    // One sand and two grass mysteries, or the other way round; the two of a
    // kind differ.
    int kinds[3];
    if (RangedRandom(0, 1) != 0) {
        kinds[0] = CMysteriousObject::GetSandVariantNum();
        kinds[1] = CMysteriousObject::GetGrassVariantNum();
        do {
            kinds[2] = CMysteriousObject::GetGrassVariantNum();
        } while (kinds[2] == kinds[1]);
    } else {
        kinds[0] = CMysteriousObject::GetGrassVariantNum();
        kinds[1] = CMysteriousObject::GetSandVariantNum();
        do {
            kinds[2] = CMysteriousObject::GetSandVariantNum();
        } while (kinds[2] == kinds[1]);
    }

    for (int i = 0; i < 3; i++) {
        const int mask = IsSandMystery(kinds[i]) ? TILE_SAND : TILE_GRASS;
        bool placed = false;
        for (int skip = 0; skip < kMysterySearches && !placed; skip++) {
            int x1 = kMysteryRegion, y1 = kMysteryRegion, x2 = 0, y2 = 0;
            if (!GetSizedRegion(mask, x1, y1, x2, y2, skip, false)) {
                return false;
            }
            const int x = (x1 + (x2 - x1) / 2 - borderX) * kPreviewScale;
            const int y = (y1 + (y2 - y1) / 2 - borderY) * kPreviewScale;
            if (GetDist(x, y, startX * kPreviewScale, startY * kPreviewScale) <= kMysteryClearance) {
                continue;
            }
            bool crowded = false;
            for (int j = 0; j < i; j++) {
                crowded = crowded || GetDist(x, y, mysteries[j]->GetX(), mysteries[j]->GetY()) <= kMysteryClearance;
            }
            if (crowded) {
                continue;
            }
            mysteries[i] = new CMysteriousObject(x, y, kinds[i]);
            placed = true;
        }
        if (!placed) {
            return false;
        }
    }
    AddMysteryPictures();
    return true;
}

void CMap::AddMysteryPictures()
{
    for (CMysteriousObject* mystery : mysteries) {
        const int x = mystery->GetX();
        const int y = mystery->GetY();
        const int key = (y + mystery->GetH()) / kPreviewScale;
        AddPicture(key, x / kPreviewScale, y / kPreviewScale, mystery->GetSpriteName(), true, false);
        const int kind = mystery->GetVariant();
        if (kind == 2) {
            AddPicture(key - 1, (x - 35) / kPreviewScale, (y + 83) / kPreviewScale, "mysterious_2_flowers.png", true,
                       false);
        }
        static constexpr coordinate kShadows[8] = {{16, 103}, {}, {}, {}, {}, {}, {2, 88}, {1, 113}};
        if (kind == 0 || kind == 6 || kind == 7) {
            AddPicture(key - 1, (x + kShadows[kind].x) / kPreviewScale, (y + kShadows[kind].y) / kPreviewScale,
                       TempSprintf("mysterious_%i_shadow.png", kind), true, false);
        }
    }
}
