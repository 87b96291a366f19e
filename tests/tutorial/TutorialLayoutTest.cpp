// Every tutorial step's dialog reads cleanly as the game screen shows it,
// with the narration box and the end-tutorial label: its texts inside the
// panel, clear of each other, of the okay button and of that row.
#include "LayoutCheck.h"
#include "ServicesFixture.h"
#include "TutorialScreen.h"
#include "TutorialSteps.h"

namespace {

struct TutorialLayout : ServicesTest {
    void TearDown() override
    {
        CObject::UnloadAll();
        ServicesTest::TearDown();
    }
};

TEST_F(TutorialLayout, EveryStepsDialogReadsCleanly)
{
    TutorialScreen game(true);
    for (int step = 0; step < kTutorialStepCount; step++) {
        auto* dialog = new CTutorialDialog(step, &game);
        for (const std::string& problem : LayoutProblems()) {
            ADD_FAILURE() << "step " << step << ": " << problem;
        }
        delete dialog;
    }
}

}  // namespace
