// Stand-in for the flower markers until they are built: the placement state,
// the hooks of start-up, shut-down and the world pump, and the unplanted
// markers' records, which the island saves and loads with itself.
#pragma once

#include "ProfileTypes.h"

#include <cstdint>
#include <vector>

// One unplanted marker: 12 bytes, written raw.
struct fi_data {
    int32_t x, y;  // world pixels, the painted point less 4
    int32_t colour;  // 0..6
};
static_assert(sizeof(fi_data) == 12, "fi_data is a 12-byte saved record");

template <>
struct ProfileType<fi_data> : ProfileRecord<fi_data, 12> {
    static constexpr const char* tag = "7fi_data";
};

class CFlowerIndicator {
public:
    bool deleteMe = false;  // flagged for the world's sweep
    static void Init();
    static void Unload();
    static void HandleFlowerPlacement();
    // The colour being placed, but -1 while the mouse is over the flower panel.
    static int GetFlowerPlacementType();
    // Whether painting sprays a patch of flowers rather than one.
    static void SetSpray(bool on);
    // The markers' records into the active profile, and back.
    static void Save();
    static void Load();

    // Until the markers are world objects there are none to work at: the
    // finders find nothing.
    static CFlowerIndicator* FindCoords(int& x, int& y, int& side, bool underMouse);
    static CFlowerIndicator* FindClosestCoords(int& x, int& y, int& side);
    static void PlaceFlower(CFlowerIndicator* marker);
    void CantReachFlower();

    static std::vector<CFlowerIndicator*> flowerIndicator;  // unplanted markers
    static bool spraying;
    static int placingFlowers;  // colour 0..6 being placed, -1 none
    static std::vector<fi_data> flowerData;  // in painting order
};
