// The tutorial: the progress of its 107 steps, numbered 0 to 106, and the
// dialog that shows one step on a screen. A step's done flag is bool profile
// property 1000 + step, so the progress follows the active profile; the
// statics below live for the whole run and are not reset by a profile switch.
//
// The progress operations are game-wide services: world objects, islanders,
// buildings and screens call them without an instance. They never read the
// tutorial switch (bool property 67): a step is marked done whether the
// tutorial is on or not, and callers test the switch before opening a dialog.
//
// A dialog is a world object: a translucent panel, the step's texts, its
// okay button (or step 105's two answers), its spoken narration and, on a
// screen that asks for the extras (the game screen), the narration check box
// and the narration and end-tutorial labels. Its buttons call the owner's
// GUICallback (1000 + step, 2000 for the check box). Hide closes it for good
// and takes its widgets away; the object itself lives on until its owner
// deletes it or CObject::UnloadAll does. An owner must hide or delete its
// dialogs before it dies, since their widgets call it back.
#pragma once

#include "CObject.h"

class CController;
class CGuiButton;
class CGuiCheckBox;
class CSound;
class CSprite;
class CTutorialCircle;

class CTutorialDialog : public CObject {
public:
    static constexpr int kSteps = 107;

    // A step outside 0..106 makes a dialog that shows nothing and is neither
    // active nor counted.
    CTutorialDialog(int step, CController* owner);
    ~CTutorialDialog() override;

    int GetTutID() const { return step; }
    // Closes the dialog for good: the panel and texts hide, the widgets are
    // deleted and the narration fades. Safe from the okay button's own click.
    void Hide() override;
    void UnHide() override {}
    // Lights the labels under the pointer and acts on presses on them; the
    // arguments are ignored (the dialog stands in screen pixels).
    void Pump(int offsetX, int offsetY, int steps) override;
    bool IsAtCoords(int& z, int x, int y) override;
    void Clicked() override {}
    void Rollover(bool) override {}

    // A dialog is shown and stands at the top of the screen (steps 6 and 7
    // stand at the bottom).
    static bool AtTop();
    // The pointer is over the shown dialog's panel or okay button.
    static bool IsMouseOver();

    // Marks the step done, hides the active dialog when it shows that step
    // and recomputes nextTutorial. Steps outside 0..106 are ignored.
    static void CompleteTutorial(int step);
    // Marks the step not done; nextTutorial stays as it is until the next
    // recomputation. Steps outside 0..106 are ignored.
    static void UncompleteTutorial(int step);
    // False for steps outside 0..106.
    static bool IsTutorialComplete(int step);
    // nextTutorial = the lowest step not done, or -1 when every step is done
    // or when that step is 18 and no wood is in stock.
    static void DetermineNextTutorial();

    static CTutorialDialog* activeDialog;     // the dialog now shown; null none
    static CTutorialCircle* tutorialCircle;   // the highlight circle now shown; null none
    static int nextTutorial;                  // -1 none
    static int numTutorialsActive;            // dialogs constructed, not yet hidden or deleted

    bool active;  // counted in numTutorialsActive
    CController* owner;
    CSprite* boxSprite;
    CSprite* textSprites[3];
    CSprite* narrationLabel;  // null unless the owner shows the extras
    CSprite* endLabel;
    int step;
    int boxSize;  // 0..7 for 'A'..'H'
    CGuiButton* okayButton;    // or step 105's first answer; null none
    CGuiButton* secondButton;  // step 105's second answer
    CGuiCheckBox* narrationCheckBox;
    bool mouseWasDown;
    CSound* narration;  // the owner fades it when narration is switched off

private:
    void Build();
    void MakePanel(char letter, int opacity, int x, int y);
    CGuiButton* MakeButton(int x, int y, int id, int label);
    void Close();
    bool PressedOn(CSprite* label, bool down) const;
};
