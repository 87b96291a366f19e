// The settings page over a dimmed screen: sound, music and mouse-speed
// sliders, boxes for the mouse mode, the visual effects and full screen, and
// a row of four boxes for how fast time runs on the island while the player
// is away. Every control acts at once (boxes when clicked, sliders when let
// go, the music slider while dragged) on the live sound and mouse, the
// screen, or the active profile. Save keeps the changes; Cancel and Escape
// put back what held when the page opened, except that narration switched
// off by the effects box stays off. The main menu and the in-game menu open
// the page and delete it when it hands back.
#pragma once

#include "CController.h"

class CControllerCredits;
class CControllerPopUp;
class CGuiButton;
class CGuiCheckBox;
class CGuiSliderBar;
class CSound;
class CSprite;

class CControllerSettings : public CController {
public:
    enum Slider { kSoundSlider, kMusicSlider, kMouseSlider, kSliders };
    static constexpr int kFactors = 4;
    // The knob's left edge runs over this range; its value is the fraction.
    static constexpr int kKnobLeft = 364, kKnobRight = 506;

    CControllerSettings();
    ~CControllerSettings() override;

    // The credits page or a notice coming back.
    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;
    // 0 save, 1 cancel, 2 credits, 3 mouse mode, 4 effects, 5 full screen,
    // 6 to 9 the time-away factors 0, 0.5, 1 and 2.
    void GUICallback(int id, int value) override;

    float GetSliderValue(int slider);
    void SetSliderValue(int slider, float value);
    int KnobX(int slider);
    bool FactorChecked(int box);
    bool MouseModeChecked();
    bool EffectsChecked();
    bool FullScreenChecked();

    static CControllerPopUp* popUp;
    static CControllerCredits* credits;

private:
    void LoadSprites();
    void UnloadSprites();
    void HideAll();
    void UnHideAll();
    void RevertToOldValues();
    void Close();
    void OpenChild(int noticeId);
    void ChooseFactor(int box);
    void ApplySlider(int slider);
    void MoveKnob(int slider, int x);

    float oldSoundVolume;
    float oldMusicVolume;
    float oldMouseMultiplier;
    bool oldMouseAbsolute;
    bool oldEffects;
    bool oldFullScreen;
    CSound* testSound;
    CGuiButton* saveButton;
    CGuiButton* cancelButton;
    CGuiButton* creditsButton;
    CGuiSliderBar* sliders[kSliders];
    CSprite* outerPanel;
    CSprite* innerPanel;
    CSprite* fader;
    CSprite* labels[7];
    CGuiCheckBox* mouseModeBox;
    CGuiCheckBox* effectsBox;
    CGuiCheckBox* fullScreenBox;
    CGuiCheckBox* factorBoxes[kFactors];
    CSprite* factorLabels[kFactors];
    CSprite* factorRowLabel;
    bool spritesLoaded;
    int heldSlider;
    int appliedSlider;
    float oldFactor;
};
