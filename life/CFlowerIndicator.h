// A flower marker: a small world object that shows where the player wants a
// flower of one colour. The player paints markers with the mouse while a
// colour is chosen in the flower panel; islanders walk to them and plant
// them into the island's ground, which deletes the marker. The class also
// keeps the painting mode with its ghost cursor, the list of unplanted
// markers and their saved records (one fi_data per marker, in painting order,
// stored with the island). Markers are deleted through the world registry.
#pragma once

#include "CObject.h"
#include "ProfileTypes.h"

#include <cstdint>
#include <vector>

class CSprite;

// One unplanted marker: 12 bytes, written raw.
struct fi_data {
    int32_t x, y;    // world pixels, the painted point less 4
    int32_t colour;  // 0..6
};
static_assert(sizeof(fi_data) == 12, "fi_data is a 12-byte saved record");

template <>
struct ProfileType<fi_data> : ProfileRecord<fi_data, 12> {
    static constexpr const char* tag = "7fi_data";
};

class CFlowerIndicator : public CObject {
public:
    // (px, py): the painted point, world pixels. Unless loading, the marker
    // appends its record; the caller appends the marker to flowerIndicator.
    CFlowerIndicator(int px, int py, int colour, bool loading);
    ~CFlowerIndicator() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    // The picture grown by 20 px on every side; never while hidden.
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    int DroppedOn() override;
    void Rollover(bool over) override;
    int GetX() override;
    int GetY() override;
    // Both plant every marker near the mouse at once and are always spent.
    bool AcceptStardust() override;
    bool AcceptMoondust() override;

    // One failed walk of an islander here; the 60th deletes the marker.
    void CantReachFlower();
    int GetColour() const { return colour; }

    // The ghost cursor, made at start-up and deleted at shut-down.
    static void Init();
    static void Unload();
    // Colour 0..6 to paint; anything else stops painting.
    static void PlaceFlowers(int colour);
    static void SetSpray(bool on);
    // The colour being painted, but -1 while the mouse is over the flower panel.
    static int GetFlowerPlacementType();
    // Once a frame: the ghost cursor follows the mouse while painting.
    static void HandleFlowerPlacement();
    // Paints one marker at the mouse where the rules allow.
    static void MouseMove();
    // The left button for painting; a press paints at once.
    static void Click(bool released);

    // The marker an islander should plant, or null; x, y become the spot to
    // walk to and side 1 (left) or 2 (right). FindClosestCoords measures
    // from the x, y given.
    static CFlowerIndicator* FindCoords(int& x, int& y, int& side, bool underMouse);
    static CFlowerIndicator* FindClosestCoords(int& x, int& y, int& side);
    // Paints the marker's flower into the ground and deletes the marker.
    static void PlaceFlower(CFlowerIndicator* marker);
    // Out of play: islanders on it stop, its record and list entry go, and
    // the registry deletes it after the pump pass.
    static void DeleteFlowerIndicator(CFlowerIndicator* marker);
    static void RemoveFromFlowerData(CFlowerIndicator* marker);
    // The eraser at world (x, y): markers within 15 px leave play, but an
    // islander already planting one still plants it.
    static void EraseFlowers(int x, int y);
    static void DeleteAllFlowerIndicators();
    // The records into the active profile, and markers back from them; Load
    // returns how many saved markers it left out.
    static void Save();
    static size_t Load();

    static std::vector<CFlowerIndicator*> flowerIndicator;  // unplanted, in painting order
    static std::vector<fi_data> flowerData;                 // one per listed marker
    static int placingFlowers;  // colour 0..6 being painted, -1 none
    static bool spraying;
    static bool lmbDown;
    static CSprite* sFlowerIndicatorGhosts;

private:
    // Plants every listed marker whose centre lies within radius of the mouse.
    static void PlantAroundMouse(float radius);
    static void Unlist(CFlowerIndicator* marker);
    int CentreX();
    int CentreY();
    // Whether an islander still has this marker as its target.
    bool IsWorkedOn();

    bool hidden;
    int markerX, markerY;  // world pixels, the painted point less 4
    int colour;
    CSprite* sprite;
    int failedReaches;
    // The marker's own record is in flowerData; cleared once it is erased,
    // so a later deletion cannot take a newer marker's record at this place.
    bool hasRecord;
    // Erased but still some islander's target: it waits, hidden, for the
    // planting and is deleted once nobody works on it.
    bool erased;
};
