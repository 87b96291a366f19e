#include "CControllerInstructions.h"

void CControllerInstructions::InputKey(bool released, int key)
{
    if (hasFocus && released && key == 27) {
        ShutDown(0);
    }
}

void CControllerInstructions::InputMouseClick(bool, bool, bool released)
{
    if (hasFocus && released) {
        ShutDown(0);
    }
}
