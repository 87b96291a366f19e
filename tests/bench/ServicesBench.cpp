// The game-wide services that screens and world objects call every frame:
// finding the next tutorial step once every step is done, completing a step,
// and counting the trophies. Run headless: `build/tests/bench`.
#include "BenchServices.h"
#include "CControllerTrophies.h"
#include "CProfile.h"
#include "CTutorialDialog.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kFirstStepProperty = 1000;

// Every tutorial step done for the length of one benchmark; the shared
// profile gets its own progress back afterwards.
class AllStepsDone {
public:
    AllStepsDone()
    {
        EnsureBenchServices();
        for (int step = 0; step < CTutorialDialog::kSteps; step++) {
            saved.push_back(CTutorialDialog::IsTutorialComplete(step));
            CProfile::current->SetValue<bool>(kFirstStepProperty + step, true);
        }
    }
    ~AllStepsDone()
    {
        for (int step = 0; step < CTutorialDialog::kSteps; step++) {
            CProfile::current->SetValue<bool>(kFirstStepProperty + step, saved[step]);
        }
        CTutorialDialog::nextTutorial = -1;
    }

private:
    std::vector<bool> saved;
};

void BM_DetermineNextTutorialWithEveryStepDone(benchmark::State& state)
{
    AllStepsDone done;
    for (auto _ : state) {
        CTutorialDialog::DetermineNextTutorial();
        benchmark::DoNotOptimize(CTutorialDialog::nextTutorial);
    }
}
BENCHMARK(BM_DetermineNextTutorialWithEveryStepDone)->Unit(benchmark::kMicrosecond);

void BM_CompleteTutorialWithEveryStepDone(benchmark::State& state)
{
    AllStepsDone done;
    for (auto _ : state) {
        CTutorialDialog::CompleteTutorial(106);
    }
}
BENCHMARK(BM_CompleteTutorialWithEveryStepDone)->Unit(benchmark::kMicrosecond);

void BM_NumTrophiesUnlocked(benchmark::State& state)
{
    EnsureBenchServices();
    const int held = CProfile::current->GetValue<int>(65);
    CProfile::current->SetValue<int>(65, 0x155AAAA);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CControllerTrophies::NumTrophiesUnlocked());
    }
    CProfile::current->SetValue<int>(65, held);
}
BENCHMARK(BM_NumTrophiesUnlocked)->Unit(benchmark::kMicrosecond);

}  // namespace
