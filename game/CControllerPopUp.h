// Stand-in for the pop-up dialog until it is built: the request's text over
// the island, closed by the player. A left click answers yes (or okay), a
// right click or Escape answers no. The game screen opens it and reads the
// answer when it comes back.
#pragma once

#include "CController.h"
#include "WorldTypes.h"

class CSprite;

class CControllerPopUp : public CController {
public:
    // depth -1 means 25,000,000.
    CControllerPopUp(const feedback_data& request, bool noticeOnly, int depth);
    ~CControllerPopUp() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;

    feedback_data request;
    bool noticeOnly;
    bool answer;  // true: yes or okay

private:
    CSprite* text;
    CSprite* label;
};
