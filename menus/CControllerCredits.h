// The credits page over a dimmed screen: who made the game and its version,
// closed by its one button or Escape. The settings page opens it and deletes
// it when it hands back.
#pragma once

#include "CController.h"

class CGuiButton;
class CSprite;

class CControllerCredits : public CController {
public:
    CControllerCredits();
    ~CControllerCredits() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    // Every id closes the page.
    void GUICallback(int id, int value) override;

private:
    void LoadSprites();
    void UnloadSprites();
    void Close();

    CGuiButton* closeButton;
    CSprite* outerPanel;
    CSprite* innerPanel;
    CSprite* fader;
    CSprite* creditsText;
    CSprite* heading;
    CSprite* versionLine;
    bool spritesLoaded;
};
