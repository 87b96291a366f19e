// A rock on the island: a source of stone that islanders break (task 4) one
// unit at a time. The player marks rocks for work by dropping an islander on
// them or with the side panel's button; the marked rocks form the static
// work list from which islanders pick their next rock, beside which they
// stand left or right. Beach rocks are scenery and carry a shadow. The
// island creates its rocks, keeps them in its rock list and has them saved
// as rock_data records in the active profile; CObject::UnloadAll or the
// island's next population deletes them.
#pragma once

#include "CObject.h"
#include "ProfileTypes.h"

#include <cstdint>
#include <vector>

class CSprite;

// One saved rock: 32 bytes, little-endian, written raw and zeroed before it
// is filled, so that its padding is always 0.
struct rock_data {
    int32_t footX, footY;  // world pixels: the middle of the rock's bottom edge
    int32_t size;          // 0..4
    int32_t variant;
    uint8_t consumed;      // always 0 in saved records
    uint8_t padding1[3];
    int32_t remaining;
    int32_t maximum;
    uint8_t marked;
    uint8_t scenery;
    uint8_t padding2[2];
};
static_assert(sizeof(rock_data) == 32, "rock_data is a 32-byte saved record");

template <>
struct ProfileType<rock_data> : ProfileRecord<rock_data, 32> {
    static constexpr const char* tag = "9rock_data";
};

class CStone : public CObject {
public:
    // Foot point (x, y) in world pixels; size and variant -1 for random ones.
    // loaded: the amounts and marks already stand in the record and stay.
    CStone(int x, int y, int size, int variant, bool loaded, bool scenery);
    explicit CStone(const rock_data& record);
    ~CStone() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    int DroppedOn() override;
    void Rollover(bool over) override;
    selection_result GetSelectedName() override;
    selection_result GetSelectedTopDetail() override;
    selection_result GetSelectedBottomDetail() override;
    selection_result GetSelectedDetailButton() override;
    void RespondToDetailButtonClick() override;
    sidebar_image GetSpriteForSidebar() override;
    int GetX() override;  // the foot point
    int GetY() override;
    bool AcceptStardust() override;

    int GetSize();
    int GetType();  // the variant
    bool IsChoppable();
    bool IsConsumed();
    bool IsScenery();
    // Takes one unit of stone; the last one hides the rock for good.
    void RemoveResource();
    // An islander could not reach the rock: the next 150 picks pass it over.
    void DelayChop();
    // Out of the work list; the marked flag stays as it is.
    void RemoveFromVector();

    static void AddToChoppable(CStone* rock);
    // A marked rock for an islander to break (the one under the mouse with
    // underMouse) and the point to stand at, side 1 left or 2 right; null
    // when there is none.
    static CStone* FindRockCoords(int& x, int& y, int& side, bool underMouse);
    // Every rock of the island's rock list that is left, into the profile.
    static void SaveRocks();
    // The saved rocks, rebuilt; damaged records are repaired or dropped.
    static std::vector<CStone*> LoadRocks();
    static void SetZone(int x, int y, int n);

    static std::vector<CStone*> choppable;  // marked rocks, in marking order

private:
    void Initialize(int x, int y, int size, int variant, bool loaded, bool scenery);

    rock_data record;
    bool grassPainted;
    CSprite* sprite;  // owned
    int size;
    int chopDelay;
    CSprite* shadow;  // owned; null when none
    int variant;
    char imageName[256];
    bool scenery;
};
