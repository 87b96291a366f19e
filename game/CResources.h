// The band's one common stock: wood, rock, four kinds of food, stardust and
// moondust, with the capacities the storehouses give, the lifetime totals and
// dust trophies that its changes feed, and its saving in the active profile.
// The same object is the world object of the three piles on the ground: it
// lays out heaps of logs, rocks, fish and vegetables on the island's mats
// every frame, answers the mouse over the mats and tells islanders where to
// stand to deliver or fetch. The game screen makes it on first use
// (CControllerGame::Resources); the world registry deletes it with the other
// world objects, and its destructor clears the game screen's pointer.
//
// Numberings: a resource number is 0 wood, 1 rock, 2 food (3 and 6 are food
// too); a food kind is 0 fish, 1 to 3 the vegetables, with -1 all food when
// reading and -2 a kind drawn by weight when taking. Other numbers are
// refused and logged.
#pragma once

#include "CObject.h"
#include "Types.h"

class CSprite;

class CResources : public CObject {
public:
    static constexpr int kWoodSprites = 12;
    static constexpr int kRockSprites = 4;
    static constexpr int kFishSprites = 4;
    static constexpr int kVegetables = 3;
    static constexpr int kVegetablePlaces = 16;
    static constexpr int kFoodKinds = 4;
    static constexpr int kDustCap = 999;

    CResources();
    ~CResources() override;

    // --- Counts, capacities and totals ---
    int GetWood();
    int GetRock();
    int GetStardust();
    int GetMoondust();
    // One kind's count, or with -1 the sum of all food.
    int GetFood(int kind);
    // Sets one kind, unchecked against the capacity.
    void SetFood(int amount, int kind);
    // 100 + 500 for each complete storehouse of the resource.
    int GetMaxResource(int resource);
    // Whether the resource stands at or above its capacity; false for
    // numbers without a capacity.
    bool IsResourceMaxed(int resource);
    // Store what fits under the capacity and count it in the lifetime totals.
    void AddWood(int n);
    void AddRock(int n);
    void AddFood(int n, int kind);
    // Dust is capped at 999; held plus ever spent earns the dust trophies.
    void AddStardust(int n);
    void AddMoondust(int n);
    // Never below 0; nothing is reported.
    void RemoveWood(int n);
    void RemoveRock(int n);
    // The kind taken from (kind -2: one drawn by weight), -1 when there was
    // no food to draw from or the kind is refused.
    int RemoveFood(int n, int kind);
    void RemoveAllFood();
    // Never below 0; the whole n counts as spent.
    void RemoveStardust(int n);
    void RemoveMoondust(int n);
    // A kind drawn with a weight equal to its count; -1 when all food is 0.
    int FindRandomFoodType();
    void SaveResources();
    // Counts from the profile: negative ones become 0 and dust above the cap
    // the cap; the work zones are cleared.
    void LoadResources();
    // Work zones 0 to 2: {x, y, radius}, -1 unset. Setting zone 2 also
    // marks the frontmost rock at the point for work.
    void SetZone(int zone, int x, int y, int radius);
    int GetZoneX(int zone);
    int GetZoneY(int zone);
    int GetZoneRadius(int zone);

    // --- The piles on the island ---
    void Hide() override;
    void UnHide() override;
    // Lays the heaps out for the stock on the playable island; offset is
    // the island's scroll offset, the step count is not read.
    void Pump(int offsetX, int offsetY, int steps) override;
    // Whether the point (world px; -1, -1 the mouse) hits a mat, tested
    // food, wood, rock; z is the mat's depth.
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    // Take food (13) over the food mat, else nothing.
    int DroppedOn() override;
    // Lights the mat under the mouse while dust is held at the pointer.
    void Rollover(bool over) override;
    // Twenty units into the pile under the mouse; false when it was full or
    // no mat is there.
    bool AcceptStardust() override;

    // The island keeps the pile anchors (world px of the mats' centres);
    // these write and read them there, so both always agree. Setting one
    // also blocks the ground under it.
    void SetPileCoordinates(int resource, int x, int y);
    int GetPileX(int resource);
    int GetPileY(int resource);
    // x, y come in as an islander's position and go out as where it stands
    // to deliver or fetch the resource: at the nearest storehouse when that
    // is strictly nearer than the pile, else at a spot by the pile.
    void GetPileCoordinates(int& x, int& y, int resource);

    int stardust, moondust;
    int wood, rock;
    int food[kFoodKinds];  // 0 fish, 1 to 3 the vegetables

    // Owned heap sprites, hidden until a pump shows them.
    CSprite* woodSprites[kWoodSprites];
    CSprite* rockSprites[kRockSprites];
    CSprite* fishSprites[kFishSprites];
    CSprite* vegetableSprites[kVegetables][kVegetablePlaces];

private:
    struct zone_data {
        int x, y, radius;
    };

    void LayOutFood(int offsetX, int offsetY, coordinate anchor);
    void LayOutRock(int offsetX, int offsetY, coordinate anchor);
    void LayOutWood(int offsetX, int offsetY, coordinate anchor);
    void BlockPiles();
    // The island's mat sprite of pile 0 to 2, or null.
    CSprite* Mat(int pile);
    bool MouseOverMat(int pile);

    zone_data zones[3];
    // Where this stock has blocked the ground for each pile, -1 none; the
    // anchors themselves are the island's.
    coordinate blocked[3];
};
