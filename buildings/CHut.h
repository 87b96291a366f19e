// Stand-in for the hut until its own class is built: a stand-in building
// that keeps the list of huts and lets one islander (or a couple) in to
// sleep at a time.
#pragma once

#include "CStandInBuilding.h"

#include <vector>

class CPerson;

class CHut : public CStandInBuilding {
public:
    CHut(int variant, int x, int y);
    explicit CHut(const building_data& saved);
    ~CHut() override;

    // A complete hut nobody holds (with force, a held one too, whose
    // occupant is told to finish soon), reserved for person when reserve;
    // x, y its door, or -1 and null when none.
    static CHut* FindAvailableHut(CPerson* person, int& x, int& y, bool underMouse, bool force, bool reserve);
    // The first complete hut not being taken down, occupied or not.
    static CHut* FindFinishedHut();
    // The first hut still being built, or null.
    static CHut* FindUnfinishedHut();
    // Releases whatever hut person holds.
    static void LeaveHut(CPerson* person);
    // The point just inside the door.
    void GetEntryCoordinates(int& x, int& y);
    // The depth of an islander inside.
    int GetSleepZ();

    CPerson* occupant = nullptr;
    static std::vector<CHut*> huts;

private:
    bool Usable();
};
