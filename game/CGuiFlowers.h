// The flower panel: the small tool panel that slides in from the left edge of
// the island view when the player chooses flowers in the build menu. It
// offers seven colours, a spray switch, an eraser, erase-all and close. The
// panel only draws, slides and hit-tests; its buttons report to the game
// screen, which owns the one panel (CControllerGame::flowers), switches the
// marker painting and writes which colour shows as chosen.
#pragma once

class CController;
class CDropper;
class CGuiButton;
class CSprite;

class CGuiFlowers {
public:
    static constexpr int SLOTS = 7;

    // Built away, out of view to the left; every button reports to owner.
    explicit CGuiFlowers(CController* owner);
    ~CGuiFlowers();
    CGuiFlowers(const CGuiFlowers&) = delete;
    CGuiFlowers& operator=(const CGuiFlowers&) = delete;

    // Once a game frame: the slide, the icons and the chosen colour's mark.
    void Pump();
    void Appear();
    void Disappear();
    bool IsVisible();
    // Pixel-exact over the panel; false while away or hidden.
    bool IsMouseOver();
    // The spray button's second look when on.
    void SetSpray(bool on);
    // Every part to the panel's current x.
    void MoveAll();
    void Hide();
    void UnHide();

    float x;  // left edge, screen px: -138 away, 0 fully in
    int slideState;  // 0 away, 1 in place, 2 sliding out, 3 sliding in
    int wanted;      // 1 after Appear, 0 after Disappear
    int chosen;      // slot 0..6 marked as chosen, -1 none; the game screen writes it

private:
    CDropper* slider;
    CSprite* panelTop;
    CSprite* panelBottom;
    bool pressed[SLOTS];
    CSprite* selector[SLOTS];
    CSprite* icon[SLOTS];
    CGuiButton* colourButton[SLOTS];
    CGuiButton* sprayButton;
    CGuiButton* eraseButton;
    CGuiButton* eraseAllButton;
    CGuiButton* closeButton;
    bool hidden;
};
