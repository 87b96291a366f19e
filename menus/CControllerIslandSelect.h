// The island chooser, the gateway to the game screen. Every 32-bit number
// names one generated island; the chooser shows a preview of the current
// one (drawn by the island map in its preview mode), its number, name and
// mystery pictures, and lets the player step through the islands seen, get
// a fresh one, type a number and settle. Opened from the play button while
// a game is under way it shows nothing and reopens the stored island at once
// (direct mode); a stored game that cannot be made again is reported in a
// notice over the chooser, and the island settled on then replaces it. After an ending the game screen sets movingTarrow and
// closes, and the chooser picks the band's next island.
#pragma once

#include "CController.h"

#include <cstdint>
#include <map>

class CControllerGame;
class CControllerPopUp;
class CGuiButton;
class CSound;
class CSprite;
class CTutorialCircle;

class CControllerIslandSelect : public CController {
public:
    enum Button { kBack, kPrevious, kSelect, kNext };

    explicit CControllerIslandSelect(bool afterStory);
    ~CControllerIslandSelect() override;

    void LoadSprites();
    // deleteMap also deletes the island map and every world object.
    void UnloadSprites(bool deleteMap);
    // The island map's seed, or the number typed to reach it.
    uint32_t GetIslandNum();
    // Draws the name's string id from the generator as seeded.
    int GetIslandName(bool draw);
    void UpdateIslandData(bool force);
    void AddIslandNum(int digit);
    void DeleteIslandNum();
    void TravelToInputtedIslandNum();
    void ShowLoading();
    void HideLoading();
    void MakeBig(bool showHourglass, bool force);

    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;
    void GUICallback(int id, int value) override;
    void GotFocusBack() override;

    // The name of island number seed: its string id and its prefix's.
    static void IslandName(uint32_t seed, int& nameId, int& prefixId);

    static bool movingTarrow;  // the band sails on to a new island
    static CControllerPopUp* popUp;

    CTutorialCircle* circle;
    CSound* sndBirds[6];
    CSound* sndCreaks[4];
    CSound* sndWoosh;
    int lastAmbient;
    int ambientCountdown;
    CGuiButton* buttons[4];
    CSprite* frames[5];
    CSprite* backdrop;
    CSprite* labels[4];
    CSprite* nameSprite;
    CSprite* numberSprite;
    CSprite* mysterySprites[3];
    CSprite* caret;
    CSprite* typedSprite;
    CSprite* loading[4];
    CControllerGame* game;
    uint32_t lastShown;
    uint32_t typed, typedDrawn;
    bool typing, caretShown;
    int caretCounter;
    bool afterStory;
    bool direct;
    std::map<uint32_t, uint32_t> typedSeeds;  // generated seed -> typed number
    bool spritesLoaded;
    // The game under way could not be made again: the chooser offers a new
    // island in its place.
    bool gameLost;
    bool lostGameNoticePending;  // the player is yet to be told
    bool lostGameKept;           // a copy of the lost game lies beside the profile

private:
    bool Running() const { return returnCode == -2; }
    bool Scanning();
    void PlayAmbient();
    // Games stored before the island's number and name were kept get them
    // from the stored seed.
    void FillMissingIslandKeys();
};
