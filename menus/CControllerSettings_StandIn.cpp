#include "CControllerSettings.h"

void CControllerSettings::InputKey(bool released, int key)
{
    if (hasFocus && released && key == 27) {
        ShutDown(0);
    }
}

void CControllerSettings::InputMouseClick(bool, bool, bool released)
{
    if (hasFocus && released) {
        ShutDown(0);
    }
}
