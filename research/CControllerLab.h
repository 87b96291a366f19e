// The potion lab: the player puts one main ingredient, one water and one
// dust into a flask, watches it take the colour of the choice and bubble,
// and mixes. A mix that makes a potion closes the lab; its opener (the game
// screen, which keeps the lab in CControllerGame::lab) then reads potion,
// flaskColour, mistColour1 and mistColour2 in its GotFocusBack before it
// deletes the lab. Exit and Escape hand back potion 0: nothing to carry.
// A mix the recipes do not know uses up its main ingredient and its dust.
// The lab also teaches tutorial step 57 (wood, seawater, stardust).
//
// Ingredients are numbered 0-14: mains 0-8, waters 9-11, dusts 12-14; within
// its group an ingredient has the number selMain, selWater or selDust holds.
#pragma once

#include "CController.h"
#include "PotionRecipes.h"
#include "Types.h"

class CControllerPopUp;
class CGuiButton;
class CSound;
class CSprite;
class CTutorialCircle;
class CTutorialDialog;

class CControllerLab : public CController {
public:
    static constexpr int kIngredients = potion_recipes::kIngredients;
    static constexpr int kBubbles = 6;
    static constexpr int kCountLabels = 10;
    static constexpr int kTutorialStep = 57;
    static constexpr int kTutorialPotion = 5;

    // Buttons: 0 exit, 1 mix, 2 start over, 3 + ingredient index.
    enum { kExit = 0, kMix = 1, kStartOver = 2, kFirstIngredientButton = 3 };

    CControllerLab();
    // Deletes the tutorial circle when one is shown.
    ~CControllerLab() override;

    // Each does nothing when it has already run.
    void LoadSprites();
    void UnloadSprites();

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void GUICallback(int id, int value) override;

    // Shows each ingredient's plain, lit or greyed picture, 2 px lower right
    // while its button is held.
    void DisplayImages();
    // Paints the flask's liquid layer in the colour, keeping its shape.
    void SetColour(RGBA_data colour);

    // ---- The model (CControllerLab_Model.cpp) --------------------------------
    // The potion number 1-51 of a main, a water and a dust; 0 for none,
    // also for numbers outside their groups.
    static int GetPotionResults(int main, int water, int dust);
    // Black without a water.
    RGBA_data GetColour();
    // Sets mistColour1 and mistColour2 for a complete choice.
    void GetMistColour();
    // recount: reads every supply again. Either way the count labels are
    // drawn anew.
    void RefreshItems(bool recount);
    // Takes what a mix with this result used up, clears the choice, recounts.
    void ConsumeReagents(int result);

    static CControllerPopUp* popUp;

    CSound* sndPotion;
    CGuiButton* exitButton;
    CGuiButton* mixButton;
    CGuiButton* startOverButton;
    CGuiButton* itemButtons[kIngredients];
    CSprite* bubbles[kBubbles];
    CSprite* selectors[kIngredients];
    CSprite* itemBase[kIngredients];
    CSprite* itemGhost[kIngredients];
    CSprite* itemRoll[kIngredients];
    CSprite* backgroundA;
    CSprite* backgroundB;
    CSprite* fader;
    CSprite* title;
    CSprite* countLabels[kCountLabels];
    CSprite* groupLabels[potion_recipes::kWaters + potion_recipes::kDusts];
    // The chosen ingredient of each group: main, water, dust.
    struct slot_sprites {
        CSprite* heading;
        CSprite* none;
        CSprite* names[potion_recipes::kMains];
        CSprite* placeholder;
        CSprite* pictures[potion_recipes::kMains];
    } slots[3];
    CSprite* hoverName[kIngredients];
    CSprite* hoverSecond[kIngredients];
    CSprite* hoverText[kIngredients];
    CSprite* hoverGeneral;
    CSprite* hoverUnavailable;
    CSprite* flaskFull;
    CSprite* flaskEmpty;
    CSprite* flaskLiquid;

    coordinate itemPos[kIngredients];
    int itemCount[kIngredients];
    bool spritesLoaded;
    int selMain, selWater, selDust;  // -1 none
    int prevWater;                   // the water chosen at the last frame
    RGBA_data shownColour;           // the flask's colour on screen now
    int potion;                      // made by the last mix; 0 none
    RGBA_data flaskColour;
    RGBA_data mistColour1, mistColour2;

private:
    // ---- The model -----------------------------------------------------------
    int SupplyOf(int ingredient);
    void UseUp(int ingredient);
    // Button 3 + ingredient; false when a research pop-up opened.
    bool ChooseIngredient(int ingredient);
    void Mix();
    int& Selection(int group);

    // ---- The frame (CControllerLab_Frame.cpp) --------------------------------
    void ShowSelection();
    void ShowHoverTexts();
    void FadeFlask();
    void Bubble();
    void StopBubbling();
    void PumpTutorial();
    // Whether a circle this lab made stands on one of its points, and the
    // button it leaves the player: -1 when nothing is locked.
    int TutorialLockedButton();
    void PlaceTutorialCircle(int x, int y, char letter);
    void MoveTutorialCircle();

    // ---- The screen (CControllerLab.cpp) -------------------------------------
    void OpenPopUp(int textId);
    void Close();
    // Hourglass, one render, the pointer taken off the picture.
    void HandOver();
    CSprite* Text(int textId, int w, int h, int alignment, RGBA_data shadow, const char* insert, int z);
    void MakeHoverTexts(int ingredient);

    // The dialog and the circle this lab made, so that it neither takes
    // another screen's circle for its own nor leaves its dialog behind.
    CTutorialDialog* tutorialDialog;
    CTutorialCircle* tutorialCircle;
};
