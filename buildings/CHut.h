// The hut, building type 1: the islanders' house, small (even variants) or
// large (odd), plain (0, 1) or under one of four roof styles (12-19). One
// islander at a time reserves a finished hut to sleep in, or a couple to
// start a family; while someone is inside, the hut shows its shut door and
// the door sounds as it closes and opens. The islanders find huts through the
// statics; the hut never owns its occupant. Whoever unloads the world objects
// deletes the hut.
#pragma once

#include "CBuilding.h"

#include <vector>

class CPerson;
class CSound;
class CSprite;

class CHut : public CBuilding {
public:
    // Put down at (x, y), world pixels (the placement point).
    CHut(int x, int y, int variant);
    explicit CHut(const building_data& saved);
    ~CHut() override;

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    // A point other than (-1, -1) is in world pixels; z becomes the depth of
    // the sprite hit.
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    int DroppedOn() override;
    void Rollover(bool over) override;
    selection_result GetSelectedName() override;
    sidebar_image GetSpriteForSidebar() override;
    int GetX() override;
    int GetY() override;
    void GiveResponse(bool yes) override;

    void AddObstructions(bool complete) override;
    // 0-3 the stages, 4 finished, 5 finished with the door shut on someone.
    int GetAnimationFrame() override;
    int GetStandLocation(int& x, int& y, int& dir) override;
    int GetType() override;
    bool Overlaps(int x, int y) override;
    bool Intersect(CSprite* sprite) override;

    // A finished hut for person and its walk-to point (x, y), or null with
    // (-1, -1). underMouse: the hut under the mouse whatever its state.
    // force: an occupied hut may be taken, its occupant told to leave.
    // reserve: person becomes the occupant.
    static CHut* FindAvailableHut(CPerson* person, int& x, int& y, bool underMouse, bool force, bool reserve);
    static CHut* FindUnfinishedHut();
    static CHut* FindFinishedHut();
    // Whatever hut person holds becomes free.
    static void LeaveHut(CPerson* person);
    // Whether the ghost of the hut being placed meets an obstruction.
    static bool PlacementCollision();

    // The door, world pixels.
    void GetEntryCoordinates(int& x, int& y);
    // The depth at which a sleeper inside is drawn.
    int GetSleepZ();

    CSound* sndDoorOpen;   // owned
    CSound* sndDoorClose;  // owned
    CPerson* occupant;     // not owned; null when free
    CSprite* hutSprite;    // owned
    CSprite* overlay;      // owned
    CSprite* roof;         // owned; null without a roof
    int depthOffset;
    bool large;
    int overlayX, overlayY;

    static std::vector<CHut*> huts;

private:
    void Init(bool placing);
    int Depth();
    int shownFrame;  // the image shown at the last GetAnimationFrame; -1 before
};
