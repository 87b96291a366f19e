// Opening a tutorial step on the game screen: the faded panel, the texts,
// the okay button, the narration check box and the labels.
// Run headless: `build/tests/bench`.
#include "BenchServices.h"
#include "CController.h"
#include "CObject.h"
#include "CTutorialDialog.h"

#include <benchmark/benchmark.h>

namespace {

class GameScreen : public CController {
public:
    GameScreen() { showTutorialExtras = true; }
    void GotFocusBack() override {}
    void Pump() override {}
    void InputKey(bool, int) override {}
    void InputMouseMove(int, int) override {}
    void InputMouseClick(bool, bool, bool) override {}
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
