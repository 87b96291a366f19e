// The pause menu over the island. The game screen opens it (Escape or its
// menu button) and is not pumped while it stands, so the island stands still.
// Its five buttons: back to the island, the instructions, the settings and the
// trophy room (each opened over the hidden menu, which shows again when they
// close), and quit to the main menu, which closes the menu, the game screen
// and the island chooser under it, one a frame.
#pragma once

#include "CController.h"

class CControllerInstructions;
class CControllerSettings;
class CControllerTrophies;
class CGuiButton;
class CSprite;

class CControllerInGameMenu : public CController {
public:
    enum Button { kResume, kInstructions, kSettings, kTrophies, kQuit, kButtons };

    CControllerInGameMenu();
    ~CControllerInGameMenu() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void GUICallback(int id, int value) override;

    bool Shown();

    static CControllerInstructions* instructions;
    static CControllerSettings* settings;
    static CControllerTrophies* trophies;

private:
    void LoadSprites();
    void UnloadSprites();
    void HideAll();
    void UnHideAll();
    void HourglassAndRender();

    CGuiButton* buttons[kButtons];
    CSprite* panel;
    CSprite* fader;
    bool spritesLoaded;
};
