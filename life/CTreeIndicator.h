// A sapling the player has marked on the island, and what it becomes: an
// unplanted marker until an islander plants it, then a growing sapling that
// turns into a real tree of the island after an hour of play, once the view
// has left it. The player paints markers from the build menu's sapling item;
// the island saves and loads them as ti_data records. The list owns nothing:
// markers are world objects, deleted with the world's sweep.
#pragma once

#include "CObject.h"
#include "ProfileTypes.h"

#include <cstdint>
#include <vector>

class CSprite;

// One sapling or unplanted marker: 16 bytes, written raw, padding 0.
struct ti_data {
    int32_t x, y;  // top-left of the sapling image, world pixels
    uint8_t grown;  // 1 once planted
    uint8_t padding[3];
    int32_t age;  // ticks since planting, -1 for a marker
};
static_assert(sizeof(ti_data) == 16, "ti_data is a 16-byte saved record");

template <>
struct ProfileType<ti_data> : ProfileRecord<ti_data, 16> {
    static constexpr const char* tag = "7ti_data";
};

class CTreeIndicator : public CObject {
public:
    // The painted point (px, py); the sapling image's top-left lies 14 left of
    // and 50 above it. Unless loading, a record is added for it.
    CTreeIndicator(int px, int py, bool grown, int age, bool loading);
    ~CTreeIndicator() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    // Always the planting task, also on a growing sapling: the task itself
    // turns it down.
    int DroppedOn() override;
    void Rollover(bool over) override;
    int GetX() override;
    int GetY() override;
    bool AcceptStardust() override;
    // Every marker and sapling within 300 px of the pointer becomes a tree.
    bool AcceptMoondust() override;

    bool IsGrown();
    // One tick of growth; forced places a ripe sapling even in view.
    void Age(bool forced);
    // Every listed marker's Age(true), ticks times over, in the same order
    // and with the same draws.
    static void AgeAll(int ticks);
    void CantReachTree();

    // The ghost that follows the pointer while saplings are placed.
    static void Init();
    static void Unload();
    static void HandleTreePlacement();
    // 0 or -1 are taken as they are; anything else turns placing off.
    static void PlaceTrees(int mode);
    static int GetTreePlacementType();
    static void MouseMove();
    static void Click(bool released);

    // The marker an islander should plant and its work spot (side 1 left,
    // 2 right); null when there is none or it is planted already.
    static CTreeIndicator* FindCoords(int& x, int& y, int& side, bool underMouse);
    static void GrowTree(CTreeIndicator* marker);
    static void PlaceTree(CTreeIndicator* sapling);
    static void DeleteTreeIndicator(CTreeIndicator* marker);

    // The records into the active profile, and back; Load expects the
    // markers of any earlier island to be gone with the world's objects,
    // and returns how many saved saplings it left out.
    static void Save();
    static size_t Load();

    static std::vector<CTreeIndicator*> treeIndicator;
    static int placingTrees;  // 0 while saplings are being placed, -1 none
    static std::vector<ti_data> treeData;  // in creation order
    static bool lmbDown;
    static CSprite* sTreeIndicatorGhosts;

private:
    // The sapling's own record; null once it has none.
    ti_data* Record();
    // Ages by ticks that cannot ripen the sapling.
    void CountAge(int ticks);

    bool needsGrass;
    int left, top;  // the sapling image's top-left, world pixels
    bool grown;
    CSprite* sprite;
    int failedReaches;
    int age;

    // Which marker each record of treeData belongs to: records are found by
    // their owner, not by position, so two saplings painted on one spot keep
    // their own ages.
    static std::vector<CTreeIndicator*> recordOwners;
};
