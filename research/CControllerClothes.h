// The clothes designer: the player picks a shirt and a pants style (as far
// as arts research allows) and a colour for each, from three HSV sliders or
// fifteen quick picks, sees the islander dressed in them, and orders the
// clothes into the craftworks' queue of at most ten (CPerson::AddCraft),
// where an order can also be withdrawn. The player steps through the adults
// without leaving. The game screen keeps the designer in
// CControllerGame::clothes and reads keepSelection and person when it comes
// back. Tutorial steps 89 to 91 are taught here.
//
// Without an islander (no adult to show) nothing is drawn in the preview and
// everything that would dress one is refused with the refusal sound.
#pragma once

#include "CController.h"
#include "Types.h"

#include <string>

class CControllerPopUp;
class CGuiButton;
class CGuiSliderBar;
class CPerson;
class CSprite;
class CTutorialDialog;

class CControllerClothes : public CController {
public:
    static constexpr int kQueueSlots = 10;
    static constexpr int kQuickPicks = 15;
    static constexpr int kKnobLeft = 423, kKnobRight = 642;

    // The left style arrows page forward, the right ones back.
    enum {
        kBack = 0, kMakeClothes = 1, kPreviousPerson = 2, kNextPerson = 3, kShirtLeft = 4, kShirtRight = 5,
        kPantsLeft = 6, kPantsRight = 7, kFirstSlot = 8, kFirstQuickPick = 18, kTabA = 33, kTabB = 34,
    };
    enum { kHue = 0, kSaturation = 1, kValue = 2 };
    enum { kAskLeave = 0, kNotice = 1, kAskRemove = 2 };

    // person: the islander to dress; null (or a child) shows the last
    // selected adult, else the first adult of the band.
    explicit CControllerClothes(CPerson* person);
    ~CControllerClothes() override;

    // Each does nothing when it has already run.
    void LoadSprites();
    void UnloadSprites();

    void GotFocusBack() override;
    void Pump() override;
    void InputKey(bool released, int key) override;
    void InputMouseMove(int x, int y) override;
    void InputMouseClick(bool left, bool right, bool released) override;
    void GUICallback(int id, int value) override;

    void UpdateQueue();
    // Step to the neighbouring adult; the shown islander stays when there is
    // none within 99 steps.
    void PreviousPerson();
    void NextPerson();

    // ---- Colours and preview (CControllerClothes_Preview.cpp) ----------------
    // v 0..100.
    void SetSliderValue(int slider, int v);
    // 0..1.
    float GetSliderValue(int slider);
    // The slider's value 0..100.
    int SliderValue(int slider);
    void ChangeColours();
    void JumpToRGB(RGBA_data colour);
    void ChangeSwatches();
    RGBA_data GetSwatchColour(int i);
    void RenderNewPerson();
    // The tab A (pants) icon lies above tab B's: the sliders edit the pants.
    bool EditingPants();
    // (id + 1) mod 2: 1 shows the islander mirrored.
    int Facing();

    static CControllerPopUp* popUp;

    int askedSlot;     // -1 none
    int questionKind;  // kAskLeave, kNotice or kAskRemove
    RGBA_data shirtColour, pantsColour;
    int shirtStyle, pantsStyle;

    CGuiButton* buttons[kFirstQuickPick];  // ids 0 to 17
    CGuiButton* quickPicks[kQuickPicks];
    CGuiButton* tabA;
    CGuiButton* tabB;
    // The name each queue slot shows; empty for a free slot or an order
    // whose islander is gone.
    std::string slotNames[kQueueSlots];

    CSprite* tabAColour;
    CSprite* tabBColour;
    CSprite* tabALines;
    CSprite* tabBLines;
    CSprite* backPanels[2];
    CSprite* mainPanels[3];
    CSprite* fader;
    CSprite* portrait;
    CSprite* sliderPictures[3];
    // [gender][garment 0 shirt, 1 pants][facing][style]
    CSprite* garmentColour[2][2][2][3];
    CSprite* garmentLines[2][2][2][3];
    CSprite* shirtColourInUse;
    CSprite* shirtLinesInUse;
    CSprite* pantsColourInUse;
    CSprite* pantsLinesInUse;
    CSprite* captions[9];
    CSprite* name;
    CGuiSliderBar* sliders[3];
    CSprite* swatches[kQuickPicks];
    unsigned char swatchPressed[kQuickPicks];

    bool spritesLoaded;
    int draggedSlider;  // -1 none
    bool changed;       // the design changed since the last order or islander step
    bool colourHintShown;
    int tutorialFrames;

    CPerson* person;
    // The game screen selects person on return: the designer was opened for
    // an islander and still shows one.
    bool keepSelection;

private:
    // ---- The screen (CControllerClothes.cpp) ---------------------------------
    void BuildButtons();
    void BuildGarments();
    void Ask(int textId, int kind, const char* insert);
    void HandOver();
    void Close();
    void StepPerson(bool forward);
    void PageStyle(bool shirt, bool next);
    void SwitchTab(bool toPants);
    // An order held by an islander that is gone is labelled with no name.
    static const char* NameOf(int islanderId);

    // ---- Colours and preview -------------------------------------------------
    void PumpSwatches();
    void ClampKnob(int slider, int x);

    // ---- Tutorial (CControllerClothes_Tutorial.cpp) --------------------------
    void PumpTutorial();
    // A step dialog's okay button.
    void TutorialOkay(int step);
    void HookA();
    void HookB();
    void PlaceCircle(int x, int y, char letter);
    void CloseTutorial();
    static int ScriptedStep();
    static void SetScriptedStep(int step);

    bool openedForSomeone;
    CTutorialDialog* tutorialDialog;
};
