// Stand-in for the buildings until they are built: a building's type,
// variant, construction state and place, the list of every building, the
// picture names by variant and stage, the shared placement ghosts that
// start-up prepares, the per-frame placement hook of the world pump, and the
// saving and loading of every building as a building_data record. A building
// is a world object; its creator owns it.
#pragma once

#include "CObject.h"
#include "ProfileTypes.h"

#include <cstdint>
#include <string>
#include <vector>

// One saved building: 56 bytes, little-endian, written raw and zeroed before
// it is filled.
struct building_data {
    float x, y;                // top-left of the building's picture, world pixels
    int32_t placeX, placeY;    // where it was put down
    int32_t type;              // 1..13
    int32_t variant;           // the build menu's 0..22
    int32_t work, wood, rock;  // construction done and delivered
    uint8_t demolishing;
    uint8_t kindFlags[4];
    uint8_t reserved[3];
    int32_t kindValues[3];
};
static_assert(sizeof(building_data) == 56, "building_data is a 56-byte saved record");

template <>
struct ProfileType<building_data> : ProfileRecord<building_data, 56> {
    static constexpr const char* tag = "13building_data";
};

class CBuilding : public CObject {
public:
    // type: 1..13 (9 the fireplace); variant: the build menu's 0..22.
    CBuilding(int type, int variant);
    // A saved building, as it was.
    explicit CBuilding(const building_data& saved);
    ~CBuilding() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    void Rollover(bool over) override;

    int GetType();
    int GetVariant();
    // Construction stage 0..4 from the share of work and materials done,
    // 4 complete.
    virtual int GetAnimationFrame();
    float PercentageComplete();
    bool IsDemolished();
    // Completes construction at once.
    void FinishNow();
    // Complete and not being taken down: a storehouse that counts.
    bool IsInService();
    // Where an islander stands to work at the building; returns the stand
    // point's number.
    virtual int GetStandLocation(int& x, int& y, int& dir);
    // An islander could not reach the building: the next random searches
    // pass it over.
    void DelayChop();

    static void InitSprites();
    static void DeleteSprites();
    // Shows the ghost of the variant being placed at the mouse.
    static void HandleBuildingPlacement();
    // The picture of a variant at construction stage 0..4.
    static std::string GetBuildingFilename(int variant, int stage);
    // Every building not fully demolished, in list order, into the profile.
    static void SaveBuildings();
    // Deletes every building and rebuilds them from the profile; records of
    // an unknown type are skipped.
    static std::vector<CBuilding*> LoadBuildings();
    // Storehouses in service of a resource number: 0 wood, 1 rock, 2, 3 and
    // 6 food; 0 for any other number.
    static int GetNumStorehouses(int resource);
    // The storehouse in service of the resource nearest to (x, y), which
    // become its position; null, with x and y unchanged, when there is none.
    static CBuilding* GetPileCoordinates(int& x, int& y, int resource);

    static std::vector<CBuilding*> buildings;

    int chopDelay = 0;  // random searches still to pass the building over

protected:
    building_data record;  // the saved part
};
