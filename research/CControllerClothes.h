// Stand-in for the clothes designer until it is built: opened for an
// islander (or none); a click or Escape closes it without keeping the
// selection.
#pragma once

#include "CController.h"

class CPerson;

class CControllerClothes : public CController {
public:
    explicit CControllerClothes(CPerson* person);
    ~CControllerClothes() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;

    bool keepSelection;  // the islander becomes selected when it closes
    CPerson* person;     // null: no particular islander
};
