// The player profiles: a five-row window over the list of profiles with the
// active one highlighted. The player picks a profile by its row (a double
// click also plays it) or with the up and down buttons, makes a new one,
// renames the active one by typing, and deletes it after a question. Every
// change goes straight to the profile store: a pick saves the outgoing
// profile and loads the other, and the name is stored with every keystroke.
// The main menu opens the screen and deletes it when it hands back.
#pragma once

#include "CController.h"

class CControllerPopUp;
class CGuiButton;
class CSprite;

class CControllerProfile : public CController {
public:
    enum Button { kNew, kSelect, kRename, kDelete, kUp, kDown, kButtons };
    static constexpr int kRows = 5;
    static constexpr int kEditSize = 35;
    static constexpr int kLongestName = 12;

    CControllerProfile();
    ~CControllerProfile() override;

    // The delete question coming back.
    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseClick(bool left, bool right, bool released) override;
    void GUICallback(int id, int value) override;

    // Rebuilds the rows after the list or the active profile changed, keeps
    // the active row in the window and ends editing.
    void RenderText();
    void Type(char c);
    void TypeKey(int key, bool released);

    bool Editing() const { return editing; }
    int FirstVisibleRow() const { return firstVisibleRow; }
    const char* EditBuffer() const { return editBuffer; }
    CSprite* Row(int row) const { return rows[row]; }
    CSprite* Highlighter(int row) const { return highlighters[row]; }
    CSprite* TextCursor() const { return textCursor; }

    static CControllerPopUp* popUp;

private:
    void LoadSprites();
    void UnloadSprites();
    void HourglassAndRender();
    void Close();
    CSprite* MakeRow(int row, const char* name);
    // The active profile may have become another: what belonged to the old
    // one must not show.
    void ActiveChangedFrom(int oldPosition, bool changed);

    CGuiButton* buttons[kButtons];
    CSprite* outerPanel;
    CSprite* innerPanel;
    CSprite* fader;
    CSprite* rows[kRows];
    CSprite* highlighters[kRows];
    CSprite* textCursor;
    bool spritesLoaded;
    int firstVisibleRow;
    bool editing;
    int blinkCounter;
    bool shift;
    char editBuffer[kEditSize];
    int keyRepeatCounter;
    int heldKey;
    int framesSinceClick;
    int lastClickRow;
};
