// Opening a tutorial step on the game screen: the faded panel, the texts,
// the okay button, the narration check box and the labels.
// Run headless: `build/tests/bench`.
#include "BenchServices.h"
#include "CController.h"
#include "CObject.h"
#include "CTutorialDialog.h"
#include "QuietScreen.h"

#include <benchmark/benchmark.h>

namespace {

class GameScreen : public QuietScreen {
public:
    GameScreen() { showTutorialExtras = true; }
};

void BM_TutorialDialogFirstStepOnTheGameScreen(benchmark::State& state)
{
    EnsureBenchServices();
    GameScreen game;
    for (auto _ : state) {
        CTutorialDialog* dialog = new CTutorialDialog(0, &game);
        benchmark::DoNotOptimize(dialog);
        delete dialog;
    }
}
BENCHMARK(BM_TutorialDialogFirstStepOnTheGameScreen)->Unit(benchmark::kMillisecond);

}  // namespace
