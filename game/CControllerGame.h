// Stand-in for the game screen until it is built: only the statics and fields
// that the island and its world objects reach. The island chooser owns the
// screen once it exists.
#pragma once

#include "CController.h"

class CGuiFlowers;
class CMap;
class CPerson;
class CResources;
class CSidebar;
class CSound;

class CControllerGame : public CController {
public:
    CControllerGame();
    ~CControllerGame() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;

    // The one stock of resources, made on first use; never null.
    static CResources* Resources();
    // Whether the game screen exists and the player holds an islander.
    static bool PickedUpPerson();

    int dustMode;    // 0 none, 1 stardust held, 2 moondust held, 3..6 effects
    int heldPotion;  // 0 none
    // The islander under the last left press, kept while it is carried; the
    // pointer rises to its hand until the button is released.
    CPerson* pickupCandidate;
    bool islanderDropped;  // set at the release, cleared at the next mouse move
    int pendingTutorial;   // tutorial step waiting to be shown out of order; -1 none

    static CControllerGame* game;
    static CMap* island;  // the one island; null when none
    static CResources* resources;
    static CSound* sndWaves;
    static CSidebar* sidebar;
    static CGuiFlowers* flowers;
    static bool stopFollowing;
};
