// The page shown over the island when the band's ship sets sail: the ship
// sailing off in four pictures, three lines of farewell, a spoken narration
// and one button to go on. Building the page counts the ending in the
// player's profile and awards the voyage trophies. The game screen opens it;
// when it closes, the game screen marks the band as moving on, and the island
// chooser then picks the band's next island.
#pragma once

#include "CController.h"

class CGuiButton;
class CSound;
class CSprite;

class CControllerEndStory : public CController {
public:
    static constexpr int kPictures = 4;
    static constexpr int kTexts = 3;

    CControllerEndStory();
    ~CControllerEndStory() override;

    // Each does nothing when it has already run.
    void LoadSprites();
    void UnloadSprites();

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void GUICallback(int id, int value) override;

    CGuiButton* continueButton;
    CSprite* pictures[kPictures];
    CSprite* fader;
    CSprite* texts[kTexts];
    bool spritesLoaded;
    CSound* narration;
};
