// The road into the game: building the main menu, the intro story (224
// panel images and the 360 fading copies of its captions) and the island
// chooser without its preview island (made and freed in every timing, so
// the island is timed apart). Run headless:
// `build/tests/bench --benchmark_filter=Menu\|Story\|Chooser`.
#include "BenchServices.h"
#include "CControllerGame.h"
#include "CControllerIntroStory.h"
#include "CControllerIslandSelect.h"
#include "CControllerMain.h"
#include "CMap.h"
#include "CObject.h"
#include "CPersonMovement.h"
#include "CProfile.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MainMenuLoadSprites(benchmark::State& state)
{
    EnsureBenchServices();
    CControllerMain menu;
    for (auto _ : state) {
        menu.UnloadSprites();
        menu.LoadSprites();
    }
}
BENCHMARK(BM_MainMenuLoadSprites)->Unit(benchmark::kMillisecond);

void BM_IntroStoryLoadSprites(benchmark::State& state)
{
    EnsureBenchServices();
    CProfile::current->SetValue<bool>(66, false);
    CControllerIntroStory story;
    for (auto _ : state) {
        story.UnloadSprites();
        story.LoadSprites();
    }
    CControllerIntroStory::DeleteAmbientSounds();
}
BENCHMARK(BM_IntroStoryLoadSprites)->Unit(benchmark::kMillisecond);

// The chooser's whole opening, then the preview island alone; the difference
// is the chooser's own share.
void BM_ChooserLoadSprites(benchmark::State& state)
{
    EnsureBenchServices();
    CProfile::current->SetValue<bool>(31, false);
    for (auto _ : state) {
        CControllerIslandSelect chooser(true);
        benchmark::DoNotOptimize(chooser.GetIslandNum());
    }
}
BENCHMARK(BM_ChooserLoadSprites)->Unit(benchmark::kMillisecond);

void BM_ChooserPreviewIslandAlone(benchmark::State& state)
{
    EnsureBenchServices();
    for (auto _ : state) {
        CPersonMovement::GeneratePathMap();
        CMap* island = new CMap(true);
        island->Pump();
        delete island;
        CObject::UnloadAll();
    }
}
BENCHMARK(BM_ChooserPreviewIslandAlone)->Unit(benchmark::kMillisecond);

}  // namespace
