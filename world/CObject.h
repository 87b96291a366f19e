// The base of everything that stands on the island: islanders, rocks, trees,
// buildings, creatures, finds and markers. It keeps the one registry of world
// objects (every object joins it in its constructor and leaves it in its
// destructor), pumps them once a frame, finds the frontmost one under a point,
// hands clicks, drops, dust and potions to it, lights the one under the mouse
// and places the selection marker. It also keeps the obstruction rectangles
// that objects block the ground with. The registry only lists objects: their
// creators own and delete them, and an object that wants to end sets deleteMe
// and is deleted after the pump pass.
#pragma once

#include "CObstructionIndex.h"
#include "WorldTypes.h"

#include <cstdint>
#include <vector>

class CSprite;

class CObject {
public:
    CObject();
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

    virtual void Hide() = 0;
    virtual void UnHide() = 0;
    // Once a frame with the map's scroll offset (screen pixels) and 1.
    virtual void Pump(int offsetX, int offsetY, int steps) = 0;
    virtual ~CObject();
    // Whether the point hits the object, and if so its depth in z. (-1, -1)
    // means the mouse; any other point is in world pixels.
    virtual bool IsAtCoords(int& z, int x, int y);
    virtual void Clicked();
    // The task number an islander dropped here takes up; 0 none.
    virtual int DroppedOn();
    virtual void Rollover(bool over) = 0;
    virtual selection_result GetSelectedName();
    virtual selection_result GetSelectedTopDetail();
    virtual selection_result GetSelectedBottomDetail();
    virtual selection_result GetSelectedDetailButton();
    virtual void RespondToDetailButtonClick();
    virtual sidebar_image GetSpriteForSidebar();
    virtual selection_result GetTooltipForSidebar();
    virtual int GetX();
    virtual int GetY();
    virtual void GiveResponse(bool yes);
    virtual bool AcceptStardust();
    // Outside one stretch of the tutorial, one moondust acts as up to five
    // stardusts on an object without moondust handling of its own.
    virtual bool AcceptMoondust();
    virtual bool AcceptPotion(int potion);

    // Distance from (x, y) to the foot point, rounded.
    int GetDistFrom(int x, int y);
    void PlayRollover(bool over);
    void PlayClick();

    static CObject* FindObjectAt(int x, int y, bool skipPeople, bool skipExcluded);
    static void ClickOn();
    static int DropOn();
    static void MoveObjects(int offsetX, int offsetY, int steps);
    static void MouseMove();
    static void DisplaySelection(int offsetX, int offsetY);
    // Whether a placement or a held item owns the mouse on the island.
    static bool PlacingAnything(bool big);
    static bool PlacingBuilding();
    // Deletes every world object, newest first.
    static void UnloadAll();
    static void UnHideAll();
    static void HideAll();

    // Obstructions (world pixels). On the playable island every change
    // re-tests the walk grid around the rectangle.
    static void AddObstruction(int x, int y, int w, int h, CObject* owner, bool flag);
    static void RemoveObstructions(CObject* owner);
    // Whether the box overlaps a rectangle; touching edges do not count.
    // Flagged rectangles count only when all is set.
    static bool Collision(int x, int y, int w, int h, bool all);
    static void InitPathMap();

    bool excluded;  // skipped by the hit tests of clicks, drops and hover
    float x, y;     // drawing position, world pixels
    float footX, footY;
    CSprite* selectionMarker;  // owned; null when none
    int selectionOffsetX, selectionOffsetY;

    // What the object is, set by its constructor; other parts test these
    // instead of the object's type.
    bool hover;
    bool isResourceStore;
    bool isHut;
    bool isGuano;
    bool isMushroom;
    bool isRelic;
    bool isGarden;
    bool isTree;
    bool isRock;
    bool isBuilding;
    bool isDust;
    bool isCraftworks;
    bool isCrate;
    bool deleteMe;
    bool isPerson;
    bool isFind;
    bool isScienceStation;
    bool earlyDrop;  // may take a drop before the first crate is opened

    static std::vector<CObject*> objects;
    static std::vector<obstruction_type> obstructions;
    static CObject* selectedObject;
    static CObject* lastSelectedPerson;
    static int placingBuilding;  // build-menu variant being placed, -1 none
    static bool isSimulating;
    static bool unloadingAll;
    static bool rendering;  // objects move their sprites only while set
    static int lastMouseX, lastMouseY;
    static int lastObjectZ;
    static CObject* requestingFeedback;
    static feedback_data requestingFeedbackData;

private:
    static bool IsStillRegistered(CObject* object, uint64_t serial);
    static bool ShouldRetestWalkGrid();

    uint64_t serial;  // tells a registered object from a later one at the same address

    static uint64_t nextSerial;
    static uint64_t removals;
    static CObstructionIndex obstructionIndex;  // a cache derived from obstructions
};
