// A crate or a barrel afloat off the band's start, bobbing on the waves. At
// most one is current at a time. An adult dropped on it is asked (through the
// crate screen) whether to open it, and an opened container gives one result:
// food, rock, wood, skills, strengths, science points, dust, lodestones, a
// story, or bad luck. The first container of a game is always a crate with a
// fixed result, and until it is opened islanders may be dropped on nothing
// else (the islanders' drop reads isCrate and profile bool 38).
//
// The game screen makes containers; each is a world object that stays listed
// (hidden once opened or refused) until the island's objects are unloaded.
// Containers are never saved.
#pragma once

#include "CObject.h"

#include <string>

class CPerson;
class CUtilBounce;

class CCrateBarrel : public CObject {
public:
    // At world (x, y); x -1: a searched spot. first: the game's first crate;
    // first or near: the spot nearest the start of many searched ones.
    CCrateBarrel(int x, int y, bool first, bool near);
    ~CCrateBarrel() override;

    // Draws a free sea spot away from gulls and islanders into the position.
    void FindNewLocation();
    // Glides the view to the container and holds it there.
    void CenterScreen();

    void Hide() override;
    void UnHide() override;
    void Pump(int offsetX, int offsetY, int steps) override;
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override;
    // Asks the carried adult's question: task 17, or 0 for nobody, a child or
    // a container already gone.
    int DroppedOn() override;
    void Rollover(bool over) override;
    selection_result GetSelectedName() override;
    selection_result GetSelectedTopDetail() override;
    selection_result GetSelectedBottomDetail() override;
    selection_result GetSelectedDetailButton() override;
    sidebar_image GetSpriteForSidebar() override;
    // Yes opens it (the result, then its notice); no leaves it shut (a
    // notice); the answer to either notice ends the request.
    void GiveResponse(bool yes) override;
    // The result on the opener, the stock, the island and the profile.
    void EnactResult();

    CSprite* sprite;  // owned
    CUtilBounce* bobX;  // owned
    CUtilBounce* bobY;  // owned
    int tier;    // 0..2, also the crate screen's picture
    int result;  // string id of the contents
    std::string openerName;
    std::string genderText1, genderText2;  // string ids as text, by the opener's sex
    bool first;
    bool hidden;  // opened or refused, or hidden with every world object
    bool crate;   // false: a barrel

    static CCrateBarrel* currentContainer;  // null when none
    static CPerson* pickedUp;  // the opener of the current container; null none

private:
    void DrawResult();
    // pickedUp while that islander still lives; clears it otherwise.
    static CPerson* Opener();
    void Notice(int stringId);

    bool gone;  // opened or refused, for good
    bool seen;  // shown once
    bool searchFailed;  // the last FindNewLocation found no free sea
};
