// The potion lab's frame: the choice on screen, the hover texts, the flask's
// colour and bubbles, the tutorial, and the buttons.
#include "CControllerLab.h"

#include "CGuiButton.h"
#include "CProfile.h"
#include "CSound.h"
#include "CSprite.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

namespace {

using namespace potion_recipes;

constexpr int kTutorialOnProperty = 67;
constexpr int kFadeStep = 5;
constexpr int kSoundFadeFrames = 15;
// Bubbles rise from the flask's bottom to its neck.
constexpr int kBubbleBottom = 105, kBubbleTop = 74, kBubbleLeft = 29, kBubbleRight = 65;
constexpr int kFirstOkayId = 1000, kLastOkayId = 1999;
constexpr int kWood = 1, kSeawater = 0, kStardust = 0;

// The lab's tutorial points: the circle's x tells which button it marks.
struct tutorial_point {
    int x, y;
    char letter;
    int button;
};

constexpr tutorial_point kWoodPoint = {242, 100, 'G', CControllerLab::kFirstIngredientButton + kWood};
constexpr tutorial_point kTutorialPoints[] = {
    kWoodPoint,
    {173, 277, 'G', CControllerLab::kFirstIngredientButton + kFirstWater + kSeawater},
    {175, 350, 'G', CControllerLab::kFirstIngredientButton + kFirstDust + kStardust},
    {463, 415, 'A', CControllerLab::kMix},
};

unsigned char Towards(unsigned char shown, unsigned char target, bool& changed)
{
    if (shown == target) {
        return shown;
    }
    changed = true;
    if (shown + kFadeStep < target) {
        return static_cast<unsigned char>(shown + kFadeStep);
    }
    if (shown > target + kFadeStep) {
        return static_cast<unsigned char>(shown - kFadeStep);
    }
    return target;
}

}  // namespace

void CControllerLab::Pump()
{
    GetInput();
    if (!hasFocus) {
        return;
    }
    CGuiButtonBase::PumpAll();
    if (!hasFocus) {
        return;
    }
    ShowSelection();
    DisplayImages();
    ShowHoverTexts();
    FadeFlask();
    if (selWater >= 0 && (selMain >= 0 || selDust >= 0)) {
        Bubble();
    } else {
        StopBubbling();
    }
    PumpTutorial();
}

void CControllerLab::ShowSelection()
{
    for (CSprite* frame : selectors) {
        frame->Hide();
    }
    const int firsts[3] = {0, kFirstWater, kFirstDust};
    const int sizes[3] = {kMains, kWaters, kDusts};
    for (int group = 0; group < 3; group++) {
        const int choice = Selection(group);
        slot_sprites& slot = slots[group];
        slot.none->Hide();
        slot.placeholder->Hide();
        for (int n = 0; n < sizes[group]; n++) {
            slot.names[n]->Hide();
            slot.pictures[n]->Hide();
        }
        if (choice < 0) {
            slot.none->UnHide();
            slot.placeholder->UnHide();
            continue;
        }
        selectors[firsts[group] + choice]->UnHide();
        slot.names[choice]->UnHide();
        slot.pictures[choice]->UnHide();
    }
}

void CControllerLab::DisplayImages()
{
    for (int i = 0; i < kIngredients; i++) {
        itemBase[i]->Hide();
        itemGhost[i]->Hide();
        itemRoll[i]->Hide();
        CSprite* shown = itemCount[i] < 1 ? itemGhost[i] : itemButtons[i]->IsMouseOver() ? itemRoll[i] : itemBase[i];
        // A refused ingredient still sinks while pressed.
        const int sink = itemButtons[i]->IsHeldDown() ? 2 : 0;
        shown->Move(itemPos[i].x + sink, itemPos[i].y + sink);
        shown->UnHide();
    }
}

void CControllerLab::ShowHoverTexts()
{
    for (int i = 0; i < kIngredients; i++) {
        hoverName[i]->Hide();
        hoverSecond[i]->Hide();
        hoverText[i]->Hide();
    }
    hoverGeneral->Hide();
    hoverUnavailable->Hide();
    for (int i = 0; i < kIngredients; i++) {
        if (!itemButtons[i]->IsMouseOver()) {
            continue;
        }
        if (itemCount[i] < 1) {
            hoverUnavailable->UnHide();
        } else {
            hoverName[i]->UnHide();
            hoverSecond[i]->UnHide();
            hoverText[i]->UnHide();
        }
        return;
    }
    hoverGeneral->UnHide();
}

// A newly poured water shows its colour at once; later changes of the choice
// blend over, 5 a channel a frame.
void CControllerLab::FadeFlask()
{
    flaskColour = GetColour();
    bool changed = false;
    if (prevWater == -1 && selWater != -1) {
        shownColour = flaskColour;
        changed = true;
    }
    shownColour.r = Towards(shownColour.r, flaskColour.r, changed);
    shownColour.g = Towards(shownColour.g, flaskColour.g, changed);
    shownColour.b = Towards(shownColour.b, flaskColour.b, changed);
    if (changed) {
        SetColour(shownColour);
    }
    flaskFull->Hide();
    flaskEmpty->Hide();
    flaskLiquid->Hide();
    if (selWater >= 0) {
        flaskFull->UnHide();
        flaskLiquid->UnHide();
    } else {
        flaskEmpty->UnHide();
    }
    prevWater = selWater;
}

void CControllerLab::Bubble()
{
    // A loop that was fading out when the brew was taken up again comes back
    // rather than playing on silently.
    if (!sndPotion->IsPlaying() || sndPotion->IsFadingOut()) {
        if (!sndPotion->IsPlaying()) {
            sndPotion->Play(true, 0, 0.0f, false);
        }
        sndPotion->FadeIn(kSoundFadeFrames);
    }
    bool tried = false;
    for (CSprite* bubble : bubbles) {
        if (!bubble->Hidden()) {
            bubble->Move(bubble->GetX(), bubble->GetY() - 1);
            if (bubble->GetY() < flaskFull->GetY() + kBubbleTop) {
                bubble->Hide();
            }
            continue;
        }
        if (tried) {
            continue;
        }
        tried = true;
        if (RangedRandom(0, 2) == 0) {
            const int x = flaskFull->GetX() + RangedRandom(kBubbleLeft, kBubbleRight);
            bubble->Move(x, flaskFull->GetY() + kBubbleBottom - bubble->GetH());
            bubble->UnHide();
            bubble->ResetStart();
            bubble->PlayForward();
        }
    }
}

void CControllerLab::StopBubbling()
{
    if (sndPotion->IsPlaying()) {
        if (!sndPotion->IsFadingOut() && sndPotion->GetVolume() > 0.0f) {
            sndPotion->FadeOut(kSoundFadeFrames);
        }
        if (sndPotion->GetVolume() <= 0.0f) {
            sndPotion->Stop();
        }
    }
    for (CSprite* bubble : bubbles) {
        bubble->Hide();
    }
}

void CControllerLab::PumpTutorial()
{
    CTutorialCircle* circle = CTutorialDialog::tutorialCircle;
    if (!CProfile::current->GetValue<bool>(kTutorialOnProperty)) {
        if (circle) {
            circle->Pump(0, 0, 1);
        }
        return;
    }
    const int next = CTutorialDialog::nextTutorial;
    if (next == -1) {
        CTutorialDialog::DetermineNextTutorial();
    }
    if (CTutorialDialog::activeDialog || next != kTutorialStep) {
        if (circle) {
            circle->Pump(0, 0, 1);
        }
        return;
    }
    delete tutorialDialog;
    tutorialDialog = new CTutorialDialog(kTutorialStep, this);
    // The recipe must be possible even with an empty stock: the mix takes
    // no wood below 0 and keeps the stardust.
    bool raised = false;
    for (int ingredient : {kWood, kFirstDust + kStardust}) {
        if (itemCount[ingredient] < 1) {
            itemCount[ingredient] = 1;
            raised = true;
        }
    }
    if (raised) {
        RefreshItems(false);
    }
    PlaceTutorialCircle(kWoodPoint.x, kWoodPoint.y, kWoodPoint.letter);
    CTutorialDialog::tutorialCircle->Pump(0, 0, 1);
}

void CControllerLab::PlaceTutorialCircle(int x, int y, char letter)
{
    delete CTutorialDialog::tutorialCircle;
    tutorialCircle = new CTutorialCircle(x, y, false, letter);
    CTutorialDialog::tutorialCircle = tutorialCircle;
}

int CControllerLab::TutorialLockedButton()
{
    CTutorialCircle* circle = CTutorialDialog::tutorialCircle;
    if (!circle || circle != tutorialCircle) {
        return -1;
    }
    for (const tutorial_point& point : kTutorialPoints) {
        if (circle->GetX() == point.x) {
            return point.button;
        }
    }
    return -1;
}

// The circle walks the recipe: wood, seawater, stardust, then the mix button.
// Only the lab's own lesson walks it: a lab that did not open the lesson
// (the tutorial switched off, another dialog still open) would otherwise put
// up a circle that locks the player in without lending the ingredients.
void CControllerLab::MoveTutorialCircle()
{
    if (CTutorialDialog::nextTutorial != kTutorialStep || !tutorialCircle ||
        CTutorialDialog::tutorialCircle != tutorialCircle) {
        return;
    }
    const tutorial_point& point = selMain != kWood       ? kTutorialPoints[0]
                                  : selWater != kSeawater ? kTutorialPoints[1]
                                  : selDust != kStardust  ? kTutorialPoints[2]
                                                          : kTutorialPoints[3];
    PlaceTutorialCircle(point.x, point.y, point.letter);
}

void CControllerLab::GUICallback(int id, int)
{
    const int allowed = TutorialLockedButton();
    if (allowed != -1 && id != allowed) {
        PlayDisallowed();
        return;
    }
    if (id >= kFirstOkayId && id <= kLastOkayId) {
        CTutorialDialog::CompleteTutorial(id - kFirstOkayId);
        return;
    }
    switch (id) {
    case kExit:
        potion = 0;
        Close();
        return;
    case kMix: Mix(); return;
    case kStartOver: selMain = selWater = selDust = -1; break;
    default:
        if (id >= kFirstIngredientButton && id < kFirstIngredientButton + kIngredients &&
            !ChooseIngredient(id - kFirstIngredientButton)) {
            return;
        }
        break;
    }
    MoveTutorialCircle();
}
