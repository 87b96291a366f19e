// The trophy room, and the trophy store the whole game awards its 25
// trophies through. Trophy i (0 to 24) is bit i, mask 1 << i, of int profile
// property 65, so held trophies follow the active profile. Each newly won
// trophy is also queued for the game screen, which announces the oldest with
// the trophy pop-up, one a frame; the queue lives for the run and is never
// saved.
//
// The room is a full-screen cabinet of 25 discs: a held trophy shows its
// picture on its disc, and pointing at any disc shows what it rewards. Its
// reset button clears every trophy after a question. The main menu, the
// in-game menu and the game screen open it and delete it when it hands back
// (always with code 0). It teaches tutorial step 36.
#pragma once

#include "CController.h"

#include <queue>
#include <vector>

class CControllerPopUp;
class CGuiButton;
class CSprite;
class CTutorialDialog;

class CControllerTrophies : public CController {
public:
    static constexpr int kTrophies = 25;

    CControllerTrophies();
    // Completes tutorial step 36: leaving the room by any way has taught it.
    ~CControllerTrophies() override;

    // The reset question coming back: a yes takes every trophy away.
    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    // 0 back, 1 reset, 1000 + step a tutorial dialog's okay.
    void GUICallback(int id, int value) override;

    // The trophy whose disc is under the pointer, -1 for none.
    int Hovered() const { return hovered; }
    bool PictureShown(int trophy);

    // Awards every trophy of mask not yet held and queues mask once for its
    // announcement; a mask already held in full changes nothing. Bits above
    // trophy 24 are dropped.
    static void CompleteTrophy(int mask);
    // True when every bit of mask is held (so a mask of 0 is always held).
    static bool IsTrophyComplete(int mask);
    // Held trophies among bits 0 to 24: 0 to 25.
    static int NumTrophiesUnlocked();
    // Takes every trophy away; masks still queued stay queued.
    static void ResetAllTrophies();
    // Holds the bits of mask without announcing them.
    static void SetVar(int mask);
    static bool CheckVar(int mask);

    // Masks won and not yet announced, oldest at the front.
    static std::queue<int> trophyUnlockQueue;
    // The open reset question; null when none.
    static CControllerPopUp* popUp;

private:
    void LoadSprites();
    void UnloadSprites();
    // The close steps every way out of the room and into its question shares.
    void HourglassAndRender();
    void ShowHovered(int trophy);
    void PumpTutorial();

    CGuiButton* backButton;
    CGuiButton* resetButton;
    CSprite* background;
    CSprite* boxes[3];
    CSprite* glow;
    CSprite* discs[kTrophies];
    CSprite* pictures[kTrophies];
    CSprite* titles[kTrophies];
    CSprite* descriptions[kTrophies];
    // Step 36's dialogs this room opened; it deletes them.
    std::vector<CTutorialDialog*> dialogs;
    int hovered;
    bool spritesLoaded;
};
