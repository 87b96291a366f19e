// Which tutorial steps are done and which one is due, kept in the active profile.
#include "CTutorialDialog.h"

#include "CControllerGame.h"
#include "CProfile.h"
#include "CResources.h"

namespace {

constexpr int kFirstStepProperty = 1000;
// The step that asks the player to use wood waits until there is wood to use.
constexpr int kStepNeedingWood = 18;

bool IsStep(int step)
{
    return step >= 0 && step < CTutorialDialog::kSteps;
}

}  // namespace

CTutorialDialog* CTutorialDialog::activeDialog = nullptr;
CTutorialCircle* CTutorialDialog::tutorialCircle = nullptr;
int CTutorialDialog::nextTutorial = -1;
int CTutorialDialog::numTutorialsActive = 0;

// Screens take their okay ids from 1000 to 1999 and the game screen's chain
// of pending steps can run one past the last step: such numbers must not
// create profile keys beyond the tutorial's.
void CTutorialDialog::CompleteTutorial(int step)
{
    if (!IsStep(step)) {
        return;
    }
    CProfile::current->SetValue<bool>(kFirstStepProperty + step, true);
    if (activeDialog && activeDialog->GetTutID() == step) {
        activeDialog->Hide();
    }
    DetermineNextTutorial();
}

void CTutorialDialog::UncompleteTutorial(int step)
{
    if (IsStep(step)) {
        CProfile::current->SetValue<bool>(kFirstStepProperty + step, false);
    }
}

bool CTutorialDialog::IsTutorialComplete(int step)
{
    return IsStep(step) && CProfile::current->GetValue<bool>(kFirstStepProperty + step);
}

void CTutorialDialog::DetermineNextTutorial()
{
    CProfile* profile = CProfile::current;
    nextTutorial = -1;
    for (int step = 0; step < kSteps; step++) {
        if (!profile->GetValue<bool>(kFirstStepProperty + step)) {
            if (step != kStepNeedingWood || CControllerGame::Resources()->GetWood() > 0) {
                nextTutorial = step;
            }
            return;
        }
    }
}
