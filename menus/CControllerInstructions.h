// The illustrated manual: eight pages of small pictures and captions on a
// framed background, turned with two arrows that wrap round and closed with
// a button or Escape. It always opens on the first page. The main menu and
// the in-game menu open it over themselves and delete it when it hands back.
#pragma once

#include "CController.h"

class CGuiButton;
class CSprite;

class CControllerInstructions : public CController {
public:
    static constexpr int kPages = 8;
    static constexpr int kCaptionSlots = 15;
    static constexpr int kPictureSlots = 7;

    CControllerInstructions();
    ~CControllerInstructions() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    // 1 the page before, 2 the page after; any other id closes.
    void GUICallback(int id, int value) override;

    int Page() const { return page; }
    // Null for an empty slot.
    CSprite* Caption(int slot) const { return captions[slot]; }
    CSprite* Picture(int slot) const { return pictures[slot]; }

private:
    void LoadSprites();
    void UnloadSprites();
    void ClearPage();
    void RenderPage();

    CGuiButton* closeButton;
    CGuiButton* leftArrow;
    CGuiButton* rightArrow;
    CSprite* frameA;
    CSprite* frameB;
    CSprite* fader;
    CSprite* captions[kCaptionSlots];
    CSprite* pictures[kPictureSlots];
    bool spritesLoaded;
    int page;
};
