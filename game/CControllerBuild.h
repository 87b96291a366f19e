// The build menu: a board of fifteen items over the island on which the
// player chooses what to build next. Pointing at an item shows its large
// picture, name, description and cost; clicking it starts placing the
// building (or opens the flower panel, switches sapling painting, or first
// asks the hut chooser for a hut's look) and closes the menu. Items that
// research has not unlocked are still ghosts that answer with a notice.
// The game screen opens it, gives it the focus and deletes it when it comes
// back; the menu owns its sprites, its buttons and, while they are open, the
// notice and the hut chooser.
#pragma once

#include "CController.h"

class CControllerHutSelect;
class CControllerPopUp;
class CGuiButton;
class CSprite;
class CTutorialDialog;

class CControllerBuild : public CController {
public:
    static constexpr int ITEMS = 15;
    static constexpr int BACK_BUTTON = 15;

    CControllerBuild();
    ~CControllerBuild() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void GUICallback(int id, int value) override;

    // Each does nothing when it has already run.
    void LoadSprites();
    void UnloadSprites();
    void HideAll();
    void UnhideAll();

    // Whether research still locks the item; false for any other number.
    static bool IsGhosted(int item);
    // The building type that prices the item; -1 for flowers, saplings and
    // any other number.
    static int GetBuildingType(int item);
    // The item under the screen point, -1 outside the grid.
    static int ItemAt(int x, int y);

    bool itemPressed[ITEMS];
    CGuiButton* itemButtons[ITEMS];
    CGuiButton* backButton;
    CSprite* frame[4];
    CSprite* fader;
    CSprite* itemPictures[ITEMS];
    CSprite* largePictures[ITEMS];
    CSprite* largeShadows[ITEMS];
    CSprite* introText;
    CSprite* introHeader;
    CSprite* header;       // null until the pointer first rests on an item
    CSprite* description;  // likewise
    CSprite* cost;         // likewise
    // -2 after loading, -1 outside the grid, else the item pointed at last frame.
    int hoveredItem;
    bool spritesLoaded;
    // How often the three hover texts were rendered since loading.
    int hoverRenders;

    static CControllerPopUp* popUp;
    static CControllerHutSelect* hutSelect;

private:
    void RenderHoverTexts(int item);
    void ShowTutorialStep();
    // A press the pending tutorial step does not allow.
    static bool TutorialRefuses(int id);
    static bool TutorialOn();
    void RedrawAroundPointer();
    void Close();

    // The step's dialog this menu opened; its okay button calls the menu back.
    CTutorialDialog* tutorialDialog;
};
