// A two-state widget: a box with a rollover animation and, when checked, a
// check mark with its own rollover drawn over it. A click toggles it and
// calls the owner's GUICallback with the id and the new state (1 checked,
// 0 not); SetChecked shows a stored state without a callback. It takes part
// in the widget list's hover and click rules. The screen that constructs it
// deletes it.
#pragma once

#include "CGuiButtonBase.h"

class CController;
class CSprite;

class CGuiCheckBox : public CGuiButtonBase {
public:
    // Rollover names: with rolloverFrames 0 the still image is used, with 1
    // the name itself, with more a name with one "%i" for frames 1 to N; a
    // null name also means the still image. wide stretches the hit area to
    // 187 pixels to take in a caption; z -1 is the default depth.
    CGuiCheckBox(int x, int y, int id, CController* owner, const char* boxImage, const char* boxRollover,
                 const char* checkImage, const char* checkRollover, int checkOffsetX, int checkOffsetY,
                 int rolloverFrames, bool wide, int z);
    ~CGuiCheckBox() override;

    void Pump() override;
    bool HandleClick(bool useDefault, bool force) override;
    void Hide() override;
    void UnHide() override;
    bool IsMouseOver() override;
    void MoveMouseOver() override;
    bool IsHeldDown() override;

    void SetChecked(bool checked);
    bool GetChecked();
    // The box picture, for checks of where the box stands on its screen.
    CSprite* GetBoxSprite() { return box; }

private:
    static CSprite* MakeRollover(int z, const char* still, const char* pattern, int frames);
    void ShowRest();

    int checkOffsetX, checkOffsetY;
    CSprite* box;
    CSprite* boxRollover;
    CSprite* check;
    CSprite* checkRollover;
    bool wide;
    bool checked;
};
