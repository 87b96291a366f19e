// The picture dialog of a washed-up crate or barrel that an adult opened:
// first the question whether to open it, then, after the answer, the notice
// of what was found, the opener's face turned towards the player beside the
// container. The journals of the masters come in a coloured mist with dust
// sparkles. The game screen opens it on a crate's request, passing the
// request by value, reads the answer once it closes, deletes it and hands
// the answer to the requesting object.
#pragma once

#include "CController.h"
#include "WorldTypes.h"

#include <cstdint>

class CGuiButton;
class CPerson;
class CSprite;

class CControllerCrate : public CController {
public:
    static constexpr int kSparkles = 20;

    explicit CControllerCrate(const feedback_data& request);
    ~CControllerCrate() override;

    // Does nothing once loaded.
    void LoadSprites(const feedback_data& request);
    void UnloadSprites();

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void GUICallback(int id, int value) override;

    // The islander who opened the current container, while still alive; null
    // otherwise (the islander may have died since the request was made).
    static CPerson* LivingOpener();

    uint8_t noticeOnly;
    CGuiButton* okayButton;
    CGuiButton* cancelButton;  // null when not made
    CSprite* panelA;
    CSprite* panelB;
    CSprite* panelC;
    CSprite* fader;
    CSprite* picture;
    CSprite* text;
    CSprite* portrait;  // null without an opener
    CSprite* portraitShadow;
    CSprite* mistA;
    CSprite* mistB;
    CSprite* sparkles1[kSparkles];
    CSprite* sparkles2[kSparkles];
    bool spritesLoaded;
    bool specialFind;
    bool showSet2;
    bool showSet1;
    bool answer;  // true: the okay button closed the screen

private:
    void LoadPortrait();
    void PumpMist();
};
