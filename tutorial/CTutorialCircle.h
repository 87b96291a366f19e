// Stand-in for the tutorial's highlight circle until it is built: the
// animated ring that points at a spot a tutorial step talks about, on the
// screen or on the island. It shows nothing yet. At most one is shown at a
// time, held by CTutorialDialog::tutorialCircle; whoever replaces or removes
// it deletes it through that pointer and clears it.
#pragma once

class CTutorialCircle {
public:
    // letter picks the ring's look.
    CTutorialCircle(int x, int y, bool onIsland, char letter);
    virtual ~CTutorialCircle();
    CTutorialCircle(const CTutorialCircle&) = delete;
    CTutorialCircle& operator=(const CTutorialCircle&) = delete;

    virtual void Hide() { hidden = true; }
    virtual void UnHide() { hidden = false; }
    // One animation step; a circle on the island follows the scroll offset.
    virtual void Pump(int, int, int) {}
    int GetX() const { return x; }
    int GetY() const { return y; }

    bool hidden;

private:
    int x, y;
};
