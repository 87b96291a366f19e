// The research screen, and the research service behind it: the player's
// science points and the levels of the four research fields, which gate
// buildings, potions and clothes across the game. The service is static and
// keeps all its state in int properties of the active profile (25 points to
// spend, 26 to 29 the levels, 58 points ever earned), so it follows profile
// switches and needs no screen.
//
// A level is 0, 1 or 2; 2 is fully researched. Fields passed as a number:
// 0 agriculture, 1 construction, 2 science, 3 arts.
//
// The screen shows the points and, per field, its level and the cost of the
// next one, with a research button that buys it at once and a help button;
// it runs the research steps of the tutorial. The game screen opens it, keeps
// it, and on its return opens the potion lab when openLabOnClose is set.
#pragma once

#include "CController.h"

class CControllerPopUp;
class CGuiButton;
class CSprite;
class CTutorialDialog;

class CControllerScience : public CController {
public:
    static constexpr int kFields = 4;
    static constexpr int kTopLevel = 2;

    static int GetSciencePoints();
    static int GetLevelAgriculture();
    static int GetLevelConstruction();
    static int GetLevelScience();
    static int GetLevelArts();
    // Science points for the field's next level; -1 when it is fully
    // researched. Any field number but 0 to 2 counts as arts.
    static int GetUpgradeCost(int field);

    // Adds n points (n < 0 spends them); gains also count towards the points
    // ever earned. May raise the research tutorial step on the game screen.
    static void AddSciencePoints(int n);
    // Raise the field one level, up to the top; the caller has paid. Raising
    // the last field to the top awards the research trophy.
    static void AddLevelAgriculture();
    static void AddLevelConstruction();
    static void AddLevelScience();
    static void AddLevelArts();

    CControllerScience();
    ~CControllerScience() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void GUICallback(int id, int value) override;

    void LoadSprites();
    void UnloadSprites();
    // Rebuilds the points and each field's level and cost.
    void DrawText();
    void HideAll();
    void UnhideAll();

    // Set when the lab button closed the screen.
    bool openLabOnClose;
    // The texts, rebuilt by DrawText: the points line, and by field its
    // title, the two labels and the two values.
    CSprite* pointsLabel;
    CSprite* pointsNumber;
    CSprite* titles[kFields];
    CSprite* levelLabels[kFields];
    CSprite* costLabels[kFields];
    CSprite* levelValues[kFields];
    CSprite* costValues[kFields];

    // The notice the screen has open; null when none.
    static CControllerPopUp* popUp;

private:
    static void AddLevel(int property);

    // Hourglass, one frame drawn, the pointer hidden: before a notice opens
    // or the screen closes.
    void PrepareForChild();
    void OpenNotice(int textId);
    void BuyLevel(int field);
    void ShowTutorialStep();
    // Replaces a text sprite with a new one of string id and insert.
    static void ReplaceText(CSprite*& sprite, int textId, const char* insert, int w, int h, int alignment,
                            unsigned char r, unsigned char g, unsigned char b);

    CGuiButton* backButton;
    CGuiButton* labButton;
    CGuiButton* researchButtons[kFields];
    CGuiButton* helpButtons[kFields];
    CSprite* panelA;
    CSprite* panelB;
    CSprite* background;
    bool spritesLoaded;
    // What the value texts show, so that DrawText renders only what changed.
    int shownPoints;
    int shownLevels[kFields];
    int shownCosts[kFields];
    // The step dialog this screen opened; the screen deletes it.
    CTutorialDialog* tutorialDialog;
};
