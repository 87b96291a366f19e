// The island map screen. Until it is built, a stand-in that closes on a
// click or Escape with no point chosen and no trophy room asked for; the
// mini-map sprite it will show is already kept here.
#pragma once

#include "CController.h"

class CSprite;

class CControllerMap : public CController {
public:
    CControllerMap();
    ~CControllerMap() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;

    int chosenX, chosenY;  // a world point to centre on; x -1 none
    bool trophyRoom;       // the player asked for the trophy room

    static CSprite* sMap;  // the mini-map sprite; null when none
};
