// Stand-in for the islander detail screen until it is built: opened by an
// islander's detail button; a click or Escape closes it with result 0 (no
// change of clothes), so the islander is selected again.
#pragma once

#include "CController.h"

class CPerson;

class CControllerPersonDetail : public CController {
public:
    explicit CControllerPersonDetail(CPerson* person);
    ~CControllerPersonDetail() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;

    int result;       // 1: change clothes
    CPerson* person;  // the islander shown
};
