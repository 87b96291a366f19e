// The meta screens around the island: opening the settings page (fifteen
// texts, three buttons, seven boxes, three sliders and the test sound),
// turning a page of the manual (up to fifteen captions and seven pictures
// rebuilt), and the profiles screen rebuilding its five rows. Run headless:
// `build/tests/bench --benchmark_filter='Settings|Instruction|Profile'`.
#include "BenchServices.h"
#include "CControllerInstructions.h"
#include "CControllerProfile.h"
#include "CControllerSettings.h"
#include "CProfile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_OpenSettings(benchmark::State& state)
{
    EnsureBenchServices();
    for (auto _ : state) {
        CControllerSettings page;
        benchmark::DoNotOptimize(page.KnobX(0));
    }
}
BENCHMARK(BM_OpenSettings)->Unit(benchmark::kMillisecond);

void BM_TurnInstructionPage(benchmark::State& state)
{
    EnsureBenchServices();
    CControllerInstructions manual;
    for (auto _ : state) {
        manual.GUICallback(2, 0);
        benchmark::DoNotOptimize(manual.Page());
    }
}
BENCHMARK(BM_TurnInstructionPage)->Unit(benchmark::kMillisecond);

void BM_ProfileRows(benchmark::State& state)
{
    EnsureBenchServices();
    while (CProfile::current->GetNumProfiles() < 7) {
        CProfile::current->AddProfile("Bench " + std::to_string(CProfile::current->GetNumProfiles()));
    }
    CControllerProfile screen;
    for (auto _ : state) {
        screen.RenderText();
        benchmark::DoNotOptimize(screen.Row(0));
    }
}
BENCHMARK(BM_ProfileRows)->Unit(benchmark::kMillisecond);

}  // namespace
