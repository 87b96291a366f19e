#include "CTutorialDialog.h"

#include "CProfile.h"

namespace {

constexpr int kFirstStepProperty = 1000;
constexpr int kSteps = 107;

}  // namespace

int CTutorialDialog::nextTutorial = -1;

void CTutorialDialog::CompleteTutorial(int step)
{
    CProfile::current->SetValue<bool>(kFirstStepProperty + step, true);
    nextTutorial = -1;
    for (int s = 0; s < kSteps; s++) {
        if (!IsTutorialComplete(s)) {
            nextTutorial = s;
            break;
        }
    }
}

bool CTutorialDialog::IsTutorialComplete(int step)
{
    return CProfile::current->GetValue<bool>(kFirstStepProperty + step);
}

void CTutorialDialog::UncompleteTutorial(int step)
{
    CProfile::current->SetValue<bool>(kFirstStepProperty + step, false);
}
