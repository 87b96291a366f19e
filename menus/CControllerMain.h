// The main menu. The logo screen opens it as its only child; when it closes
// the program ends. Its seven buttons slide in from the right; it opens the
// intro story or the island chooser to play, the new-game question and the
// other meta screens, and writes the profile files whenever one comes back.
// Profiles that a list of players made again could not read, a profile none
// of whose files read, and a key of the profile saved in copies that differ
// are told of in a notice over it, before any of its buttons leads on.
#pragma once

#include "CController.h"

class CControllerExit;
class CControllerInstructions;
class CControllerIntroStory;
class CControllerIslandSelect;
class CControllerPopUp;
class CControllerProfile;
class CControllerSettings;
class CControllerTrophies;
class CDropper;
class CGuiButton;
class CSprite;

class CControllerMain : public CController {
public:
    static constexpr int kButtons = 7;
    enum Button { kPlay, kNewGame, kInstructions, kTrophies, kSettings, kQuit, kProfiles };

    CControllerMain();
    ~CControllerMain() override;

    void LoadSprites();
    void UnloadSprites();
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void GUICallback(int id, int value) override;
    void GotFocusBack() override;

    // The keys of the active profile a new game starts afresh.
    static void ResetForNewGame();

    int hovered;  // -1 none
    CGuiButton* buttons[kButtons];
    CDropper* droppers[kButtons];
    CSprite* background;
    CSprite* title;
    CSprite* playerName;
    bool spritesLoaded;
    CControllerIslandSelect* islandSelect;

    static CControllerIntroStory* introStory;
    static CControllerProfile* profileGUI;
    static CControllerInstructions* instructions;
    static CControllerPopUp* popUp;
    static CControllerExit* exitGUI;
    static CControllerSettings* settings;
    static CControllerTrophies* trophies;
    // A word to the player over the menu, apart from the new-game question:
    // its okay answers nothing.
    static CControllerPopUp* notice;
    static CSprite* sBrinemark;  // the fading copy of the screen before

private:
    void MakePlayerName();
    // Before a child: the hourglass steps, then the menu's sprites are
    // unloaded (a full-screen child) or parked (an overlay child).
    void PrepareChild(bool fullScreen);
    void OpenIntroStory();
    // Tells, once each, of profiles the rebuilt list of players had to leave
    // off, of the active profile started again as a new one because none of
    // its files read, and of a key whose saved copies differ; false when
    // there was nothing to tell.
    bool TellWhatLoadingLeftOff();
    void MusicStep();
};
