// Stand-in for the side panel until it is built: what the game screen and
// the world reach of it. The game screen owns the panel.
#pragma once

#include "WorldTypes.h"

class CController;

class CSidebar {
public:
    explicit CSidebar(CController* owner);

    // Once a frame; countDown false while the map is dragged from the island.
    void Pump(bool countDown);
    bool IsMouseOver();
    void MouseClick();
    // Shows message as the panel's tool-tip for frames frames.
    void SetToolTipMessage(selection_result message, int frames);

    CController* owner;
    selection_result toolTip;
    int toolTipFrames;
};
