// Opening the research screen (ten buttons, twenty-two texts), refreshing
// its texts after a purchase, and opening the hut chooser (45 hut images).
#include "BenchServices.h"
#include "CControllerHutSelect.h"
#include "CControllerScience.h"
#include "CProfile.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kTutorialOnProperty = 67;

// No tutorial dialog for the length of one benchmark.
class TutorialOff {
public:
    TutorialOff()
    {
        EnsureBenchServices();
        wasOn = CProfile::current->GetValue<bool>(kTutorialOnProperty);
        CProfile::current->SetValue<bool>(kTutorialOnProperty, false);
    }
    ~TutorialOff() { CProfile::current->SetValue<bool>(kTutorialOnProperty, wasOn); }

private:
    bool wasOn;
};

void BM_OpenResearchScreen(benchmark::State& state)
{
    TutorialOff off;
    for (auto _ : state) {
        CControllerScience screen;
        benchmark::DoNotOptimize(screen.costValues[3]);
    }
}
BENCHMARK(BM_OpenResearchScreen)->Unit(benchmark::kMillisecond);

// Each round buys or forgets the first agriculture level: the points, the
// level and the cost change.
void BM_ResearchScreenDrawTextAfterAPurchase(benchmark::State& state)
{
    TutorialOff off;
    CProfile* profile = CProfile::current;
    const int points = profile->GetValue<int>(25), level = profile->GetValue<int>(29);
    profile->SetValue<int>(29, 0);
    CControllerScience screen;
    int round = 0;
    for (auto _ : state) {
        round++;
        profile->SetValue<int>(25, round % 2 ? 3000 : 5000);
        profile->SetValue<int>(29, round % 2);
        screen.DrawText();
    }
    profile->SetValue<int>(25, points);
    profile->SetValue<int>(29, level);
}
BENCHMARK(BM_ResearchScreenDrawTextAfterAPurchase)->Unit(benchmark::kMillisecond);

void BM_OpenHutChooser(benchmark::State& state)
{
    EnsureBenchServices();
    for (auto _ : state) {
        CControllerHutSelect chooser(true);
        benchmark::DoNotOptimize(chooser.huts[2]);
    }
}
BENCHMARK(BM_OpenHutChooser)->Unit(benchmark::kMillisecond);

}  // namespace
