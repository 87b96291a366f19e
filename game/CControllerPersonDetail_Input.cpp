// The detail screen's frame and input: the cursor's blink, the tutorial
// steps shown over the screen, typing the name with key repeat, and the
// buttons and check boxes.
#include "CControllerPersonDetail.h"

#include "CControllerGame.h"
#include "CControllerPopUp.h"
#include "CCraftworks.h"
#include "CGuiButtonBase.h"
#include "CGuiCheckBox.h"
#include "CMouseCursor.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CSprite.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"

#include <SDL.h>

#include <cstring>

namespace {

constexpr int kTutorialOnProperty = 67;
constexpr int kLastRegularStep = 72, kLastScreenStep = 23, kStepKidsChores = 87;
constexpr int kTutorialOkayFirst = 1000, kTutorialOkayLast = 1999;
constexpr int kNoCraftworksNotice = 12200, kChildClothesNotice = 12201;
constexpr int kBlinkHalf = 15;
constexpr int kRepeatFrom = 16;
constexpr char kErase = 8;
constexpr int kFirstCheckBox = 4;
// The tasks of the check boxes, in their order.
constexpr int kCheckTasks[CControllerPersonDetail::kSkills] = {3, 2, 4, 5, 14, 11, 12};

struct step_ring {
    int step;
    int x, y;
    char letter;
};

constexpr step_ring kRings[] = {{20, 125, 108, 'H'}, {22, 571, 324, 'L'}, {23, 308, 481, 'A'}};

int PendingStep()
{
    return CControllerGame::game ? CControllerGame::game->pendingTutorial : -1;
}

void SetPendingStep(int step)
{
    if (CControllerGame::game) {
        CControllerGame::game->pendingTutorial = step;
    }
}

}  // namespace

void CControllerPersonDetail::Pump()
{
    GetInput();
    if (!hasFocus || (CController::pause && !CController::frame)) {
        return;
    }
    CGuiButtonBase::PumpAll();
    if (!hasFocus) {
        return;
    }
    cursorBlink--;
    if (cursorBlink <= -kBlinkHalf) {
        cursorBlink = kBlinkHalf;
    }
    if (editingName && cursorBlink <= 0) {
        textCursor->UnHide();
    } else {
        textCursor->Hide();
    }
    ShowTutorialStep();
    if (heldKey != 0) {
        keyRepeat++;
        if (keyRepeat % 2 == 0 && keyRepeat >= kRepeatFrom) {
            TypeKey(heldKey, false);
        }
    }
}

void CControllerPersonDetail::ShowTutorialStep()
{
    if (CProfile::current->GetValue<bool>(kTutorialOnProperty)) {
        int step = CTutorialDialog::nextTutorial;
        if (step == -1) {
            CTutorialDialog::DetermineNextTutorial();
            step = PendingStep();
        }
        if (step > kLastRegularStep) {
            step = PendingStep();
        }
        if (!CTutorialDialog::activeDialog && step != -1 && (step <= kLastScreenStep || step == kStepKidsChores)) {
            delete tutorialDialog;
            tutorialDialog = new CTutorialDialog(step, this);
            delete CTutorialDialog::tutorialCircle;
            CTutorialDialog::tutorialCircle = nullptr;
            for (const step_ring& ring : kRings) {
                if (ring.step == step) {
                    CTutorialDialog::tutorialCircle = new CTutorialCircle(ring.x, ring.y, false, ring.letter);
                }
            }
        }
    }
    if (CTutorialDialog::tutorialCircle) {
        CTutorialDialog::tutorialCircle->Pump(0, 0, 1);
    }
}

void CControllerPersonDetail::InputKey(bool released, int key)
{
    if (!hasFocus) {
        return;
    }
    if (released) {
        heldKey = 0;
    } else {
        heldKey = key;
        keyRepeat = 0;
    }
    if (released && key == SDLK_ESCAPE) {
        CMouseCursor::ShowHourglass(true);
        ShutDown(0);
    }
    if (released && (key == SDLK_LEFT || key == SDLK_RIGHT)) {
        GUICallback(key == SDLK_LEFT ? 0 : 1, 0);
        return;
    }
    if (released && (key == SDLK_RETURN || key == SDLK_KP_ENTER)) {
        editingName = false;
        PlayClick();
    }
    TypeKey(key, released);
}

void CControllerPersonDetail::TypeKey(int key, bool released)
{
    if (key == SDLK_LSHIFT || key == SDLK_RSHIFT) {
        shiftHeld = !released;
        return;
    }
    if (released) {
        return;
    }
    if (key >= 'a' && key <= 'z') {
        Type(static_cast<char>(shiftHeld ? key - 'a' + 'A' : key));
    } else if ((key >= '0' && key <= '9') || key == ' ') {
        Type(static_cast<char>(key));
    } else if (key == SDLK_BACKSPACE || key == SDLK_DELETE) {
        Type(kErase);
    }
}

void CControllerPersonDetail::Type(char c)
{
    editingName = true;
    const size_t n = std::strlen(typedName);
    if (c == kErase) {
        if (n > 0) {
            typedName[n - 1] = '\0';
        }
    } else if (n < static_cast<size_t>(kNameLength)) {
        typedName[n] = c;
        typedName[n + 1] = '\0';
    }
    shownPerson->SetASCIIName(typedName);
    ShowName();
    PlaceCursor();
}

void CControllerPersonDetail::DirtyAroundPointer()
{
    if (renderer) {
        renderer->AddSpecialDirty(CMouseCursor::GetMouseX() - 50, CMouseCursor::GetMouseY() - 50, 100, 100, true);
    }
}

void CControllerPersonDetail::Notice(int stringId, const char* name)
{
    feedback_data request{};
    request.id = stringId;
    if (name) {
        request.insert[0] = name;
    }
    delete popUp;
    popUp = new CControllerPopUp(request, true, -1);
    PassFocus(popUp);
}

void CControllerPersonDetail::GUICallback(int id, int)
{
    if (id >= kTutorialOkayFirst && id <= kTutorialOkayLast) {
        CTutorialDialog::CompleteTutorial(id - kTutorialOkayFirst);
        SetPendingStep(-1);
        return;
    }
    if (id == 0 || id == 1) {
        if (CTutorialDialog::IsTutorialComplete(19)) {
            CTutorialDialog::CompleteTutorial(20);
        }
        CMouseCursor::ShowHourglass(true);
        CPerson* next = id == 0 ? CPerson::GetPreviousPerson(shownPerson) : CPerson::GetNextPerson(shownPerson);
        // An islander no longer in the band has no neighbours: stay on it.
        if (next) {
            shownPerson = next;
        }
        UpdateScreen();
        CMouseCursor::ShowMouse();
        DirtyAroundPointer();
        return;
    }
    if (id == 2 || id == 3) {
        CMouseCursor::ShowHourglass(true);
        if (renderer) {
            renderer->Render(true);
        }
        DirtyAroundPointer();
        CMouseCursor::HideMouse(0, true);
        if (id == 3) {
            ShutDown(0);
        } else if (CCraftworks::numCraftworks < 1) {
            Notice(kNoCraftworksNotice, nullptr);
        } else if (shownPerson->IsBaby() || shownPerson->IsKid()) {
            Notice(kChildClothesNotice, shownPerson->GetASCIIName());
        } else {
            changeClothes = 1;
            ShutDown(0);
        }
        return;
    }
    if (id < kFirstCheckBox || id >= kFirstCheckBox + kSkills) {
        return;
    }
    const bool checked = checkBoxes[id - kFirstCheckBox]->GetChecked();
    shownPerson->PermitTask(kCheckTasks[id - kFirstCheckBox], checked);
    if (CTutorialDialog::IsTutorialComplete(21)) {
        CTutorialDialog::CompleteTutorial(22);
    }
    if (checked && PendingStep() == -1 && CProfile::current->GetValue<bool>(kTutorialOnProperty) &&
        !CTutorialDialog::IsTutorialComplete(kStepKidsChores) && (shownPerson->IsKid() || shownPerson->IsBaby())) {
        SetPendingStep(kStepKidsChores);
    }
}

void CControllerPersonDetail::GotFocusBack()
{
    if (!popUp) {
        return;
    }
    delete popUp;
    popUp = nullptr;
    if (renderer) {
        renderer->AddSpecialDirty(0, 0, 800, 600, true);
    }
}
