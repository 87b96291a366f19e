// The image button of every screen: a base image at rest, an optional drop
// shadow, a rollover animation that plays forward while the pointer is over
// it and backward when it leaves, an optional three-frame pressed animation,
// a label from the string table (or up to two icon sprites), and an optional
// built-in check-box look. A click reaches the owner's GUICallback with the
// id and 0. The screen fills one button_data record per button, keeps the
// pointer and deletes the button when it closes.
#pragma once

#include "CGuiButtonBase.h"
#include "Types.h"

#include <string>

class CController;
class CSprite;

// How to build a button; the defaults are the plain button.
struct button_data {
    int x = 0, y = 0;
    int id = 0;
    CController* owner = nullptr;
    // String id of the label; -1 for none (icons instead).
    int textId = -1;
    std::string baseImage;
    // Empty for no shadow.
    std::string shadowImage;
    // With one frame the image's name; with more a name with one "%i" for
    // the frames 1 to rolloverFrames.
    std::string rolloverImage;
    int rolloverFrames = 1;
    // A name with one "%i" for the frames 0, 1 and 2; empty for none.
    std::string pressedImage;
    bool defaultButton = false;
    // The fields up to perFrameTexts are kept for the screens that fill
    // them; the button itself draws every label over the same shadow colour.
    unsigned char spareByte = 0;
    int shadowOffsetX = 0, shadowOffsetY = 0;
    int spareX = 2, spareY = 2;
    unsigned char labelShadowR = 0, labelShadowG = 0, labelShadowB = 0;
    // Rollover frame k shows the label of string textId + k (k up to 5).
    bool perFrameTexts = false;
    // -1 for the default depths.
    int z = -1;
    // Used only without a label; the button takes them over and deletes them.
    CSprite* iconA = nullptr;
    CSprite* iconB = nullptr;
    int textOffsetX = 0, textOffsetY = 0;
    bool checkBox = false;
    int checkBoxOffsetX = 0, checkBoxOffsetY = 0;
    // Which of the two check-box looks shows: false the first.
    bool checkBoxSecondSet = false;
};

// Where a screen's labelled button stands and what it shows: the rows of a
// screen's button table.
struct screen_button_place {
    const char* base;
    const char* shadow;
    const char* rollover;  // holds one "%i"
    int x, y;
    int label;  // string id, -1 none
};

class CGuiButton : public CGuiButtonBase {
public:
    explicit CGuiButton(button_data data);
    ~CGuiButton() override;

    // A screen's labelled button as the menus and dialogs draw it: five
    // rollover frames (rollover holds one "%i") under the dark label shadow
    // (46, 43, 24), the label moved by textOffsetX, textOffsetY; every other
    // field keeps its default.
    static button_data ScreenButton(CController* owner, int id, int x, int y, int label, const char* base,
                                    const char* shadow, const char* rollover, int textOffsetX, int textOffsetY);
    static button_data ScreenButton(CController* owner, int id, const screen_button_place& place, int textOffsetX,
                                    int textOffsetY);

    void Pump() override;
    void Hide() override;
    void UnHide() override;
    bool IsMouseOver() override;
    void MoveMouseOver() override;
    // The rollover shows, the left button is down and the rollover is not
    // running back.
    bool IsHeldDown() override;

    // The base image's pixel test at the pointer; the argument is not used.
    bool IsMouseOver(coordinate unused);
    // Replaces the labels by string id with insert as its "%1".
    void AlterText(int textId, const char* insert);
    // Puts every sprite back at the button's x, y and data.z.
    void Redisplay();
    // Shows the base and rewinds and hides the rollover at once.
    void HideRollover();
    bool Hidden();
    int GetW();
    int GetH();
    CSprite* GetButtonSprite();
    CSprite* GetButtonRolloverSprite();
    // False the first check-box look, true the second; the next Pump shows it.
    void SetCheckbox(bool second);
    // A fixed hit rectangle instead of the pixel test; x -1 turns it off.
    void AlterMouseoverRect(int x, int y, int w, int h);

    // The record the button was built from (icons excepted); screens change
    // z here before Redisplay.
    button_data data;

private:
    enum Layer { kBase, kShadow, kRollover, kLabel, kCheckShadow, kCheckBase, kCheckRollover };
    static const int kLabelSlots = 6;

    int Depth(Layer layer);
    int LabelX();
    int LabelY();
    // The centring offset of an icon on the base image.
    int IconX(CSprite* icon);
    int IconY(CSprite* icon);
    // The label sprites at rest, or sunk by 2 while held.
    void PlaceLabels(int sink);
    void PlaceIcons(bool held);
    void MakeLabels(int textId, const char* insert, unsigned char r, unsigned char g, unsigned char b);
    void DeleteLabels();
    void ShowLabel(int slot);
    CSprite* NewSprite(Layer layer);
    void PumpCheckBox();
    CSprite* CheckSprite(bool secondSet, int which);

    CSprite* base;
    CSprite* rollover;
    CSprite* shadow;
    CSprite* pressed;
    CSprite* labels[kLabelSlots];
    CSprite* iconA;
    CSprite* iconB;
    // First look base, rollover, shadow; then the second look's.
    CSprite* checkSprites[6];
    int mouseOverX, mouseOverY, mouseOverW, mouseOverH;
};
