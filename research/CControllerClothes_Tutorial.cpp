// The clothes designer's tutorial steps 89 to 91: choosing a style, choosing
// a colour and ordering, then finding the way back. They lie beyond the
// regular order, so the game screen's pending step carries them.
#include "CControllerClothes.h"

#include "CControllerGame.h"
#include "CMouseCursor.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"

namespace {

constexpr int kTutorialOnProperty = 67;
constexpr int kLastRegularStep = 72;
constexpr int kFirstStep = 89, kColourStep = 90, kLastStep = 91, kAfterSteps = 92;
constexpr int kBackHintFrames = 90;

struct step_ring {
    int step;
    int x, y;
    char letter;
};

constexpr step_ring kRings[] = {{89, 196, 87, 'D'}, {90, 114, 343, 'D'}, {91, 394, 59, 'A'}};

bool OwnStep(int step)
{
    return step >= kFirstStep && step <= kLastStep;
}

}  // namespace

int CControllerClothes::ScriptedStep()
{
    return CControllerGame::game ? CControllerGame::game->pendingTutorial : -1;
}

void CControllerClothes::SetScriptedStep(int step)
{
    if (CControllerGame::game) {
        CControllerGame::game->pendingTutorial = step;
    }
}

void CControllerClothes::PlaceCircle(int x, int y, char letter)
{
    delete CTutorialDialog::tutorialCircle;
    CTutorialDialog::tutorialCircle = new CTutorialCircle(x, y, false, letter);
}

void CControllerClothes::HookA()
{
    if (ScriptedStep() == kFirstStep) {
        SetScriptedStep(kColourStep);
        CTutorialDialog::CompleteTutorial(kFirstStep);
    }
}

void CControllerClothes::HookB()
{
    if (ScriptedStep() == kColourStep) {
        SetScriptedStep(kLastStep);
        CTutorialDialog::CompleteTutorial(kColourStep);
    }
}

void CControllerClothes::TutorialOkay(int step)
{
    CMouseCursor::ShowHourglass(true);
    CTutorialDialog::CompleteTutorial(step);
    if (OwnStep(ScriptedStep())) {
        SetScriptedStep(ScriptedStep() + 1);
    }
    CMouseCursor::ShowMouse();
}

void CControllerClothes::PumpTutorial()
{
    const bool tutorialOn = CProfile::current->GetValue<bool>(kTutorialOnProperty);
    if (ScriptedStep() == -1 && tutorialOn && !CTutorialDialog::IsTutorialComplete(kFirstStep)) {
        SetScriptedStep(kFirstStep);
    }
    if (tutorialOn) {
        int step = CTutorialDialog::nextTutorial;
        if (step == -1) {
            CTutorialDialog::DetermineNextTutorial();
            step = ScriptedStep();
        }
        if (step > kLastRegularStep) {
            step = ScriptedStep();
        }
        if (!CTutorialDialog::activeDialog && OwnStep(step)) {
            delete tutorialDialog;
            tutorialDialog = new CTutorialDialog(step, this);
            CMouseCursor::ShowMouse();
            colourHintShown = false;
            const step_ring& ring = kRings[step - kFirstStep];
            PlaceCircle(ring.x, ring.y, ring.letter);
        }
    }
    if (ScriptedStep() == kLastStep) {
        tutorialFrames++;
        if (tutorialFrames == kBackHintFrames) {
            PlaceCircle(313, 497, 'A');
        }
    }
    if (CTutorialDialog::tutorialCircle) {
        CTutorialDialog::tutorialCircle->Pump(0, 0, 1);
    }
}

// Leaving ends the designer's steps whatever way it closes; without an order
// in the queue the craftworks has nothing to teach next.
void CControllerClothes::CloseTutorial()
{
    if (OwnStep(ScriptedStep())) {
        SetScriptedStep(kAfterSteps);
        for (int step = kFirstStep; step <= kLastStep; step++) {
            CTutorialDialog::CompleteTutorial(step);
        }
        if (CPerson::craftQueue.empty()) {
            SetScriptedStep(-1);
        }
    }
    delete CTutorialDialog::tutorialCircle;
    CTutorialDialog::tutorialCircle = nullptr;
    // No dialog, and so no button of it, outlives the screen it calls back.
    delete tutorialDialog;
    tutorialDialog = nullptr;
}
