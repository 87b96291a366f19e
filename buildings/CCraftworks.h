// The craftworks: the workshop where the band's clothes are made. Islanders
// dropped on a usable one work on the first order of CPerson::craftQueue at
// spots along its front; a finished order moves to CPerson::pickupQueue and
// its islander fetches it through the door, drawn between the building and
// the door sprite in front of it. Dust on a usable one speeds or finishes the
// first order. `craftworks` lists the live ones in creation order;
// `numCraftworks` counts those complete and not coming down, as of each one's
// last frame.
#pragma once

#include "CBuildingKind.h"

#include <vector>

class CCraftworks : public CBuildingKind {
public:
    // At the placement point (x, y), world pixels.
    CCraftworks(int x, int y);
    explicit CCraftworks(const building_data& saved);
    ~CCraftworks() override;

    void Pump(int offsetX, int offsetY, int steps) override;
    // The main picture or the door in front of it.
    bool IsAtCoords(int& z, int x, int y) override;
    void Rollover(bool over) override;
    // 12 (craft) on a usable craftworks, else 5 (build or carry away).
    int DroppedOn() override;
    void AddObstructions(bool complete) override;
    // On a usable craftworks with an order waiting: a fifth of the first
    // order's work and a notice; otherwise as on any building.
    bool AcceptStardust() override;
    // Finishes the first order at once; without one, up to five stardusts.
    bool AcceptMoondust() override;
    void GiveResponse(bool yes) override;

    static bool PlacementCollision();
    // Where an islander fetching clothes walks in (world pixels).
    void GetEntryCoordinates(int& x, int& y);
    // The depth of an islander inside: over the building, under its door.
    int GetSleepZ();
    CSprite* GetDoor() { return door; }

    // The first usable craftworks in list order; null when none.
    static CCraftworks* GetUseableCraftworks();
    static bool AnyUseableCraftworks();
    // The first usable craftworks and its pickup point; null with -1, -1
    // when none.
    static CCraftworks* FindAvailableCraftworks(int& x, int& y);
    // A work spot along the front, facing 0, 12 px higher with raise; with
    // underMouse the craftworks under the mouse whatever its state, otherwise
    // a usable one drawn at random (as many draws as craftworks). Null, with
    // x = y = -1, when none.
    static CCraftworks* FindWorkCoords(int& x, int& y, int& dir, bool underMouse, bool raise);

    static std::vector<CCraftworks*> craftworks;
    static int numCraftworks;

private:
    void Register();
    int DoorDepth();

    CSprite* door;  // owned
    bool counted;   // included in numCraftworks
};
