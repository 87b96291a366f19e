#include "CControllerExit.h"

void CControllerExit::InputKey(bool released, int key)
{
    if (hasFocus && released && key == 27) {
        quit = true;
        ShutDown(0);
    }
}

void CControllerExit::InputMouseClick(bool, bool, bool released)
{
    if (hasFocus && released) {
        quit = true;
        ShutDown(0);
    }
}
