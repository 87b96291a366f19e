// The research screen's tutorial steps: its first visit (54, 55) in the
// regular order, and the research steps (74, 75) that the game raises out of
// order through its pending step.
#include "CControllerScience.h"

#include "CControllerGame.h"
#include "CMouseCursor.h"
#include "CProfile.h"
#include "CTutorialCircle.h"
#include "CTutorialDialog.h"

namespace {

constexpr int kTutorialOnProperty = 67;
// Steps past the regular order come from the game's pending step.
constexpr int kLastRegularStep = 72;

struct step_ring {
    int step;
    bool ring;
    int x, y;
};

constexpr step_ring kSteps[] = {{54, true, 375, 50}, {55, true, 411, 485}, {74, true, 375, 50}, {75, false, 0, 0}};

int PendingStep()
{
    return CControllerGame::game ? CControllerGame::game->pendingTutorial : -1;
}

}  // namespace

void CControllerScience::ShowTutorialStep()
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
        for (const step_ring& shown : kSteps) {
            if (CTutorialDialog::activeDialog || step != shown.step) {
                continue;
            }
            delete tutorialDialog;
            tutorialDialog = new CTutorialDialog(step, this);
            CMouseCursor::ShowMouse();
            delete CTutorialDialog::tutorialCircle;
            CTutorialDialog::tutorialCircle = shown.ring ? new CTutorialCircle(shown.x, shown.y, false, 'A') : nullptr;
        }
    }
    if (CTutorialDialog::tutorialCircle) {
        CTutorialDialog::tutorialCircle->Pump(0, 0, 1);
    }
}
