// Stand-in for the flower panel until it is built: what the game screen and
// the world reach of it. The game screen owns the panel.
#pragma once

class CController;

class CGuiFlowers {
public:
    explicit CGuiFlowers(CController* owner);

    void Pump();
    bool IsMouseOver();
    bool IsVisible();
    void Appear();
    void Disappear();
    void SetSpray(bool on);

    CController* owner;
    bool visible;
    bool spray = false;
};
