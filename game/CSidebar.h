// Stand-in for the side panel until it is built: only the question whether
// the mouse is over it. The game screen owns the panel.
#pragma once

class CSidebar {
public:
    bool IsMouseOver();
};
