// Opening the build menu (the board, 15 animated items, 30 large pictures
// and 16 buttons), the pointer moving between two items (three texts
// rendered), and a frame of fifty floating numbers.
#include "BenchServices.h"
#include "CControllerBuild.h"
#include "CFlyaway.h"
#include "CInput.h"
#include "CProfile.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kTutorialOnProperty = 67;

void BM_OpenBuildMenu(benchmark::State& state)
{
    EnsureBenchServices();
    CProfile::current->SetValue<bool>(kTutorialOnProperty, false);
    // The game decodes every picture at start-up; a menu kept open here
    // keeps the pictures decoded, so the rounds measure the opening alone.
    CControllerBuild warm;
    for (auto _ : state) {
        CControllerBuild menu;
        benchmark::DoNotOptimize(menu.itemButtons[14]);
    }
}
BENCHMARK(BM_OpenBuildMenu)->Unit(benchmark::kMillisecond);

void BM_BuildMenuHoverChange(benchmark::State& state)
{
    EnsureBenchServices();
    CProfile::current->SetValue<bool>(kTutorialOnProperty, false);
    CControllerBuild menu;
    menu.hasFocus = true;
    int round = 0;
    for (auto _ : state) {
        round++;
        CController::input->mouseX = round % 2 ? 190 : 285;
        CController::input->mouseY = 150;
        menu.Pump();
    }
    state.counters["renders"] = static_cast<double>(menu.hoverRenders);
}
BENCHMARK(BM_BuildMenuHoverChange)->Unit(benchmark::kMillisecond);

void BM_PumpFiftyFlyaways(benchmark::State& state)
{
    EnsureBenchServices();
    for (auto _ : state) {
        state.PauseTiming();
        CFlyaway::RemoveFlyaways();
        for (int i = 0; i < 50; i++) {
            CFlyaway::AddFlyaway(100 + i * 17, 100 + i * 10, 300);
        }
        state.ResumeTiming();
        CFlyaway::PumpFlyaways();
    }
    CFlyaway::RemoveFlyaways();
}
// Making fifty flyaways costs far more than pumping them, and the runner
// sizes its runs by the timed part alone: a fixed count keeps the run short.
BENCHMARK(BM_PumpFiftyFlyaways)->Iterations(500)->Unit(benchmark::kMicrosecond);

}  // namespace
