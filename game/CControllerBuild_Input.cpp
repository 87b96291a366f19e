// The build menu at work: each frame's hover and pressed looks, the tutorial
// steps it shows, the player's keys and clicks, and what comes back from the
// notice and the hut chooser.
#include "CControllerBuild.h"

#include "BuildMenuItems.h"
#include "CBuilding.h"
#include "CControllerGame.h"
#include "CControllerHutSelect.h"
#include "CControllerPopUp.h"
#include "CControllerScience.h"
#include "CFlowerIndicator.h"
#include "CGuiButton.h"
#include "CGuiFlowers.h"
#include "CMouseCursor.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CShipyard.h"
#include "CSprite.h"
#include "CTreeIndicator.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"

#include <SDL.h>

namespace {

constexpr int kTutorialOnProperty = 67;
constexpr unsigned int kAfterBounce = 4;
constexpr int kPressedShift = 2;
constexpr int kLockedNoticeId = 12017;
constexpr int kFlowerTipId = 15007;
constexpr int kFlowerTipFrames = 270;
constexpr int kHutSmall = 0, kHutLarge = 1, kScience = 3, kFlowers = 4, kSaplings = 5;
constexpr int kFirstDialogId = 1000, kLastDialogId = 1999;

struct tutorial_ring {
    int step;
    int x, y;
    char letter;
};

// The three steps the menu shows, each with the one item it accepts.
constexpr tutorial_ring kRings[] = {{25, 118, 86, 'H'}, {42, 95, 148, 'D'}, {65, 190, 150, 'D'}};

bool Pending(int step)
{
    return CTutorialDialog::IsTutorialComplete(step - 1) && !CTutorialDialog::IsTutorialComplete(step);
}

}  // namespace

bool CControllerBuild::TutorialOn()
{
    return CProfile::current->GetValue<bool>(kTutorialOnProperty);
}

bool CControllerBuild::TutorialRefuses(int id)
{
    // These also refuse a dialog's okay id, which is harmless: the three
    // steps' dialogs have no okay button.
    if (Pending(42) && id != kScience && TutorialOn()) {
        return true;
    }
    if (Pending(25) && id != kHutSmall && id != kHutLarge && TutorialOn()) {
        return true;
    }
    return Pending(65) && id != kFlowers && TutorialOn();
}

void CControllerBuild::Pump()
{
    GetInput();
    if (!hasFocus || (CController::pause && !CController::frame)) {
        return;
    }
    CGuiButtonBase::PumpAll();
    if (!hasFocus) {
        return;
    }
    for (int item = 0; item < ITEMS; item++) {
        CSprite* picture = itemPictures[item];
        // Played back, the picture skips the bounce and goes straight to rest.
        if (picture->GetState() == -1 && picture->GetFrame() == kAfterBounce) {
            picture->SetFrame(0);
        }
        picture->PlayBackward();
        largePictures[item]->Hide();
        largeShadows[item]->Hide();
    }
    for (CSprite* text : {header, description, cost}) {
        if (text) {
            text->Hide();
        }
    }

    const int item = ItemAt(CMouseCursor::GetMouseX(), CMouseCursor::GetMouseY());
    if (item == -1) {
        introText->UnHide();
        introHeader->UnHide();
    } else {
        const bool locked = IsGhosted(item);
        itemPictures[item]->PlayForward();
        introText->Hide();
        introHeader->Hide();
        if (!locked) {
            largePictures[item]->UnHide();
            largeShadows[item]->UnHide();
        }
        if (item == hoveredItem) {
            header->UnHide();
            description->UnHide();
            if (!locked) {
                cost->UnHide();
            }
        } else {
            RenderHoverTexts(item);
        }
    }
    hoveredItem = item;

    for (int i = 0; i < ITEMS; i++) {
        CSprite* picture = itemPictures[i];
        if (itemButtons[i]->IsHeldDown()) {
            if (!itemPressed[i]) {
                picture->Move(picture->GetX() + kPressedShift, picture->GetY() + kPressedShift);
                itemPressed[i] = true;
            }
        } else if (itemPressed[i]) {
            picture->Move(picture->GetX() - kPressedShift, picture->GetY() - kPressedShift);
            itemPressed[i] = false;
        }
    }
    ShowTutorialStep();
}

void CControllerBuild::ShowTutorialStep()
{
    if (TutorialOn()) {
        const int step = CTutorialDialog::nextTutorial;
        if (step == -1) {
            CTutorialDialog::DetermineNextTutorial();
        }
        for (const tutorial_ring& ring : kRings) {
            if (CTutorialDialog::activeDialog || step != ring.step) {
                continue;
            }
            delete tutorialDialog;
            tutorialDialog = new CTutorialDialog(step, this);
            CMouseCursor::ShowMouse();
            delete CTutorialDialog::tutorialCircle;
            CTutorialDialog::tutorialCircle = new CTutorialCircle(ring.x, ring.y, false, ring.letter);
        }
    }
    if (CTutorialDialog::tutorialCircle) {
        CTutorialDialog::tutorialCircle->Pump(0, 0, 1);
    }
}

void CControllerBuild::InputKey(bool released, int key)
{
    if (!hasFocus) {
        return;
    }
    if ((Pending(42) || Pending(25)) && TutorialOn()) {
        return;
    }
    if (released && key == SDLK_ESCAPE) {
        CMouseCursor::ShowHourglass(true);
        ShutDown(0);
    }
}

void CControllerBuild::GUICallback(int id, int)
{
    if (TutorialRefuses(id)) {
        PlayDisallowed();
        return;
    }
    if (id >= kFirstDialogId && id <= kLastDialogId) {
        CMouseCursor::ShowHourglass(true);
        CTutorialDialog::CompleteTutorial(id - kFirstDialogId);
        return;
    }
    if (IsGhosted(id)) {
        feedback_data notice{};
        notice.id = kLockedNoticeId;
        popUp = new CControllerPopUp(notice, true, -1);
        PassFocus(popUp);
        return;
    }
    switch (id) {
    case kHutSmall:
    case kHutLarge:
        if (CTutorialDialog::IsTutorialComplete(24)) {
            CTutorialDialog::CompleteTutorial(25);
        }
        if (CControllerScience::GetLevelConstruction() != 0) {
            HideAll();
            hutSelect = new CControllerHutSelect(id == kHutSmall);
            PassFocus(hutSelect);
            return;
        }
        CBuilding::HoverBuilding(id);
        break;
    case kScience:
        CBuilding::HoverBuilding(kBuildItems[id].variant);
        if (CTutorialDialog::IsTutorialComplete(41)) {
            CTutorialDialog::CompleteTutorial(42);
        }
        break;
    case kFlowers:
        if (CTutorialDialog::IsTutorialComplete(64)) {
            CTutorialDialog::CompleteTutorial(65);
        }
        if (CControllerGame::flowers) {
            CControllerGame::flowers->Appear();
            CControllerGame::flowers->SetSpray(false);
        }
        if (CControllerGame::game) {
            CControllerGame::game->sprayMode = false;
        }
        CFlowerIndicator::SetSpray(false);
        CControllerGame::SetToolTipMessage(selection_result{kFlowerTipId, 0, nullptr, nullptr, 0, 0},
                                           kFlowerTipFrames);
        break;
    case kSaplings:
        // As a release, so that painting starts with the button up.
        CTreeIndicator::Click(true);
        CTreeIndicator::PlaceTrees(CTreeIndicator::GetTreePlacementType() + 1);
        break;
    default:
        if (id >= 0 && id < ITEMS) {
            CBuilding::HoverBuilding(id == SHIP_ITEM && CShipyard::numBuilt != 0 ? SHIP_VARIANT
                                                                                 : kBuildItems[id].variant);
        }
        break;
    }
    Close();
}

void CControllerBuild::RedrawAroundPointer()
{
    if (renderer) {
        renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    }
}

void CControllerBuild::Close()
{
    CMouseCursor::ShowHourglass(true);
    if (renderer) {
        renderer->Render(true);
    }
    RedrawAroundPointer();
    CMouseCursor::HideMouse(0, true);
    ShutDown(0);
}

void CControllerBuild::GotFocusBack()
{
    if (popUp) {
        delete popUp;
        popUp = nullptr;
        if (renderer) {
            renderer->AddSpecialDirty(0, 0, 800, 600, true);
        }
        CMouseCursor::ShowMouse();
        RedrawAroundPointer();
        return;
    }
    if (!hutSelect) {
        return;
    }
    const int result = hutSelect->result;
    delete hutSelect;
    hutSelect = nullptr;
    if (renderer) {
        renderer->AddSpecialDirty(0, 0, 800, 600, true);
    }
    if (result == -1) {
        UnhideAll();
        CMouseCursor::ShowMouse();
        RedrawAroundPointer();
        return;
    }
    CBuilding::HoverBuilding(result);
    ShutDown(0);
}
