// The islander detail screen, a board over the island: the islander's
// portrait at twice the side-panel size, the name the player may retype, age,
// gender, hair, speciality, strengths, a meter for each working skill and a
// check box per skill that allows or forbids its task. Arrows step through
// the band, one button asks for new clothes (only for an adult while a
// craftworks stands) and one closes the screen. Changes reach the islander at
// once. The game screen opens it, reads changeClothes and shownPerson when it
// comes back and deletes it; the screen owns its sprites, widgets, its open
// notice and its tutorial dialog.
#pragma once

#include "CController.h"

class CControllerPopUp;
class CGuiButton;
class CGuiCheckBox;
class CPerson;
class CSprite;
class CTutorialDialog;

class CControllerPersonDetail : public CController {
public:
    static constexpr int kSkills = 7;
    static constexpr int kNameLength = 10;

    explicit CControllerPersonDetail(CPerson* person);
    ~CControllerPersonDetail() override;

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void GUICallback(int id, int value) override;

    // Each does nothing when it has already run.
    void LoadSprites();
    void UnloadSprites();
    // Shows shownPerson afresh: portrait, boxes, meters and texts.
    void UpdateScreen();
    // SDL 1.2 key codes; a press of a letter, digit, space, Backspace or
    // Delete types.
    void TypeKey(int key, bool released);
    // 8 erases the last character; anything else is appended while fewer
    // than 10 are typed.
    void Type(char c);

    // The strength category's string id of a strength 0..100.
    static int StrengthCategory(int strength);

    CSprite* textCursor;
    CSprite* portrait;  // null until shown
    CSprite* fader;
    CSprite* frame[8];
    CSprite* meterBacking;
    CSprite* meters[kSkills];
    CSprite* meterEnds[kSkills];
    CSprite* skillsHeader;
    CSprite* skillNames[kSkills];
    CSprite* nameText;  // null while the typed name is empty
    CSprite* labels[6];
    CSprite* values[6];
    CSprite* categories[2];
    CGuiButton* buttons[4];
    CGuiCheckBox* checkBoxes[kSkills];
    bool spritesLoaded;
    int cursorBlink;
    char typedName[kNameLength + 1];
    bool shiftHeld;
    bool editingName;
    int keyRepeat;
    int heldKey;  // 0 none
    int changeClothes;  // 1: an adult is to go to the clothes designer
    CPerson* shownPerson;  // not owned

    static CControllerPopUp* popUp;

private:
    void ShowPortrait(int dx, int dy);
    void ShowMeters();
    void ShowTexts();
    void ShowName();
    void PlaceCursor();
    void ShowTutorialStep();
    void DirtyAroundPointer();
    void Notice(int stringId, const char* name);

    CTutorialDialog* tutorialDialog;  // owned; null none
};
