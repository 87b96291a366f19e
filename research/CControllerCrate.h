// Stand-in for the crate and barrel screen until it is built: opened for a
// washed-up crate's request. A click opens the crate (the answer yes, so the
// game can go on), Escape leaves it shut.
#pragma once

#include "CController.h"
#include "WorldTypes.h"

class CControllerCrate : public CController {
public:
    explicit CControllerCrate(const feedback_data& request);
    ~CControllerCrate() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;

    bool answer;
    feedback_data request;  // a copy
};
