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
// Until the dialog is built this is its least stand-in: it shows nothing but
// the two answer buttons of step 105 (ids 1105 and 1106, reported to the
// owner), and keeps activeDialog and numTutorialsActive in step with its
// life. The screen that constructs a dialog owns and deletes it.
#pragma once

class CController;
class CGuiButton;
class CTutorialCircle;

class CTutorialDialog {
public:
    static constexpr int kSteps = 107;

    CTutorialDialog(int step, CController* owner);
    virtual ~CTutorialDialog();
    CTutorialDialog(const CTutorialDialog&) = delete;
    CTutorialDialog& operator=(const CTutorialDialog&) = delete;

    int GetTutID() const { return step; }
    // Closes the dialog for good; the object stays alive for its owner to delete.
    virtual void Hide();

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

    CController* owner;

private:
    void Close();

    int step;
    bool open;  // counted in numTutorialsActive
    CGuiButton* answers[2] = {nullptr, nullptr};
};
