// The story before the band's first island: four animated panels whose
// captions fade in line by line, narration, storm and surf, and at the end
// the closing question (tutorial step 105), whose answer turns the tutorial
// off or on and starts every step afresh. The skip button asks, then jumps
// to the question. The main menu opens it and, when it closes, the chooser.
#pragma once

#include "CController.h"

class CControllerPopUp;
class CGuiButton;
class CSound;
class CSprite;
class CTutorialDialog;

class CControllerIntroStory : public CController {
public:
    static constexpr int kPanels = 4;
    static constexpr int kCaptions = 18;

    CControllerIntroStory();
    ~CControllerIntroStory() override;

    void LoadSprites();
    void UnloadSprites();
    // The last frame of the current panel.
    int GetFinalFrame();
    void ShowDialog();

    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseClick(bool left, bool right, bool released) override;
    void GUICallback(int id, int value) override;
    void GotFocusBack() override;

    // The ambient sounds play on into the island chooser, which frees them.
    static void DeleteAmbientSounds();

    bool panelRunning;
    int frameCounter;
    CGuiButton* skipButton;
    int panel;  // 0 to 3; 4 once the last was left
    CSprite* lastFrame;
    CSprite* flash;
    CSprite* blackBackground;
    CSprite* panels[kPanels];
    CSprite* captions[kCaptions];
    CSprite* prompt;
    bool spritesLoaded;
    CTutorialDialog* closingQuestion;
    CSound* narration[kPanels];

    static CControllerPopUp* popUp;
    static CSound* sndWaves;
    static CSound* sndBirds[6];
    static CSound* sndRain;
    static CSound* sndThunder1;
    static CSound* sndThunder2;
    static CSound* sndWind;

private:
    void NewLastFrame();
    void StartNextPanel();
    void RunStorm(int f);
    void RunShore(int f);
    // Thunder, the flash and a shake.
    void Lightning(CSound* thunder);
    // Each narration playing or waiting to start fades out and will not start.
    void SilenceNarration();
};
