// The hut chooser: a small modal screen over the build menu that offers one
// hut family's three sizes (the plain hut, the roofed looks and, at the top
// construction level, the grandest), each an animated picture over its
// button that bounces while pointed at. The build menu opens it from a hut
// entry once construction research has begun, keeps it, and on its return
// reads result: the building variant to place, or -1 to show itself again.
#pragma once

#include "CController.h"

class CGuiButton;
class CSprite;

class CControllerHutSelect : public CController {
public:
    static constexpr int kSizes = 3;

    // small: the small huts (variants 0, 12 or 14, 16 or 18), else the large
    // ones (1, 13 or 15, 17 or 19).
    explicit CControllerHutSelect(bool small);
    ~CControllerHutSelect() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void GUICallback(int id, int value) override;

    void LoadSprites(bool small);
    void UnloadSprites();

    // The chosen building variant; -1 for none.
    int result;
    // The animated hut of each size, over its button.
    CSprite* huts[kSizes];
    // Stands in for the third size while it is locked.
    CSprite* ghost;

private:
    // Hourglass, one frame drawn, the pointer hidden, then closes.
    void Close();

    CGuiButton* backButton;
    CGuiButton* sizeButtons[kSizes];
    CSprite* panelA;
    CSprite* panelB;
    CSprite* fader;
    CSprite* title;
    // The hut is drawn 2 px down and right while its button is held.
    bool pressed[kSizes];
    bool spritesLoaded;
    bool small;
};
