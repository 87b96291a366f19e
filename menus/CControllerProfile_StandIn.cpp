#include "CControllerProfile.h"

void CControllerProfile::InputKey(bool released, int key)
{
    if (hasFocus && released && key == 27) {
        ShutDown(0);
    }
}

void CControllerProfile::InputMouseClick(bool, bool, bool released)
{
    if (hasFocus && released) {
        ShutDown(0);
    }
}
