#include "CSidebar.h"

CSidebar::CSidebar(CController* screen) : owner(screen), toolTip{}, toolTipFrames(0) {}

void CSidebar::Pump(bool countDown)
{
    if (countDown && toolTipFrames > 0) {
        toolTipFrames--;
    }
}

bool CSidebar::IsMouseOver()
{
    return false;
}

void CSidebar::MouseClick() {}

void CSidebar::SetToolTipMessage(selection_result message, int frames)
{
    toolTip = message;
    toolTipFrames = frames;
}
