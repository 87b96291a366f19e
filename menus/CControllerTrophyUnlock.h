// The pop-up that announces a newly won trophy. When it closes the game
// screen reads whether a key or okay closed it (else the player asked for
// the trophy room).
#pragma once

#include "CController.h"

class CControllerTrophyUnlock : public CController {
public:
    explicit CControllerTrophyUnlock(int mask);
    ~CControllerTrophyUnlock() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;

    int mask;
    bool closedByKeyOrOkay;
};
