// The island map over the game screen: the whole island shrunk by eight,
// its name and number, the eight mysteries ticked off by their trophies and
// the band's statistics. A click on the small island closes the screen and
// tells the game screen where to centre the view; the trophy button asks
// for the trophy room instead. The game screen opens it with its map button
// and, once it closes, reads centerX, centerY and openTrophies and deletes it.
#pragma once

#include "CController.h"

#include <vector>

class CGuiButton;
class CSprite;
class CTutorialDialog;

class CControllerMap : public CController {
public:
    static constexpr int kMysteries = 8;
    static constexpr int kStatistics = 6;

    // Builds everything at once; only while the game screen and its island exist.
    CControllerMap();
    ~CControllerMap() override;

    // Each does nothing when it has already run.
    void LoadSprites();
    void UnloadSprites();

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseClick(bool left, bool right, bool released) override;
    void GUICallback(int id, int value) override;

    CGuiButton* backButton;
    CGuiButton* trophyButton;
    CSprite* cursorSquare;
    CSprite* listBoxA;
    CSprite* listBoxB;
    CSprite* mysterySlots;
    CSprite* mysteryIcons[kMysteries];  // in the order the slots show them
    CSprite* nameBox1;
    CSprite* nameBox2;
    CSprite* numberBox;
    CSprite* heading;
    CSprite* hint;
    CSprite* islandNumber;
    CSprite* islandName;
    CSprite* labels;
    CSprite* statistics[kStatistics];
    int centerX, centerY;  // the world point to centre the view on; -1, -1 none
    bool openTrophies;     // the trophy button closed the screen
    bool spritesLoaded;
    int mysteriesSolved;   // as counted when the sprites loaded

    // The small island. It outlives the screen: each opening builds a new
    // one, closing only hides it, and the program's shut-down deletes it.
    static CSprite* sMap;

private:
    void LoadStatistics();
    void PumpTutorial();
    void Close();

    // The steps this screen showed; it deletes them.
    std::vector<CTutorialDialog*> dialogs;
};
