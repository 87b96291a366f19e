// Stand-in for the sapling markers until they are built: the placement
// state, the hooks of start-up, shut-down and the world pump, and the
// markers' and saplings' records, which the island saves and loads with
// itself.
#pragma once

#include "ProfileTypes.h"

#include <cstdint>
#include <vector>

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

class CTreeIndicator {
public:
    static void Init();
    static void Unload();
    static void HandleTreePlacement();
    // mode -1 (off) or 0 (placing); anything else switches placing off.
    static void PlaceTrees(int mode);
    static int GetTreePlacementType();
    // The left button went down (false) or up (true).
    static void Click(bool released);
    // The records into the active profile, and back.
    static void Save();
    static void Load();

    // Until the markers are world objects there are none to work at: the
    // finder finds nothing.
    static CTreeIndicator* FindCoords(int& x, int& y, int& side, bool underMouse);
    static void GrowTree(CTreeIndicator* marker);
    void CantReachTree();

    static std::vector<CTreeIndicator*> treeIndicator;
    static int placingTrees;  // 0 while saplings are being placed, -1 none
    static bool lmbDown;
    static std::vector<ti_data> treeData;  // in creation order
};
