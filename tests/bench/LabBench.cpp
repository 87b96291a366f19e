// The potion lab: opening it (eighteen buttons, 45 hover texts, 48 bubble
// images) and one frame with rising bubbles, a blending flask and a hover
// text (the frame's drawing is not counted). Run headless: `build/tests/bench --benchmark_filter=Lab`.
#include "BenchServices.h"
#include "CController.h"
#include "CControllerGame.h"
#include "CControllerLab.h"
#include "CGuiButtonBase.h"
#include "CInput.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CResources.h"
#include "PotionLabLayout.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kWood = 1, kSeawater = 9, kStardust = 12;

void BM_OpenAndCloseTheLab(benchmark::State& state)
{
    EnsureBenchServices();
    for (auto _ : state) {
        CControllerLab* lab = new CControllerLab();
        benchmark::DoNotOptimize(lab);
        delete lab;
    }
    delete CControllerGame::resources;
}
BENCHMARK(BM_OpenAndCloseTheLab)->Unit(benchmark::kMillisecond);

void BM_LabFrameWithBubblesABlendAndAHoverText(benchmark::State& state)
{
    EnsureBenchServices();
    CProfile::current->SetValue<bool>(67, false);
    CResources* stock = CControllerGame::Resources();
    stock->wood = 5;
    stock->stardust = 5;
    CControllerLab lab;
    lab.GotFocus(nullptr, true);
    for (int ingredient : {kWood, kSeawater, kStardust}) {
        lab.GUICallback(CControllerLab::kFirstIngredientButton + ingredient, 0);
    }
    const coordinate button = potion_lab_layout::kItems[kWood].buttonPoint;
    CController::input->mouseX = button.x + 25;
    CController::input->mouseY = button.y + 22;
    for (int i = 0; i < 30; i++) {
        lab.Pump();
    }
    for (auto _ : state) {
        // Far from the brew's colour, so every frame blends and repaints.
        lab.shownColour = RGBA_data{0, 0, 0, 0};
        lab.Pump();
        state.PauseTiming();
        CController::renderer->Render(true);
        state.ResumeTiming();
    }
    CController::focus = nullptr;
    delete CControllerGame::resources;
}
// Each measured frame is followed by an untimed render of the whole screen,
// which the runner does not count when it sizes its runs: a fixed count.
BENCHMARK(BM_LabFrameWithBubblesABlendAndAHoverText)->Iterations(2000)->Unit(benchmark::kMicrosecond);

}  // namespace
