// The clothes designer: opening it (24 garment pictures doubled, each shown
// plain and mirrored, with one adult to show), the colour pass that runs on every
// drag step of a slider, and drawing a newly shown islander. Run headless:
// `build/tests/bench/bench --benchmark_filter=Designer`.
#include "BenchServices.h"
#include "CControllerClothes.h"
#include "CController.h"
#include "CPerson.h"
#include "CProfile.h"
#include "tests/islanders/IslanderRecords.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kYear = 172800;

// As in the game, the garment pictures stay decoded while each runs.
CPerson* Adult()
{
    CPerson::PreLoadClothes();
    person_data record = IslanderRecord(1000, 1000, 30 * kYear, 1);
    record.id = 3;
    record.topColour = RGBA_data{255, 139, 95, 255};
    record.bottomColour = RGBA_data{104, 129, 144, 255};
    return new CPerson(record);
}

void BM_DesignerOpensAndCloses(benchmark::State& state)
{
    EnsureBenchServices();
    CProfile::current->SetValue<bool>(67, false);
    CPerson* adult = Adult();
    for (auto _ : state) {
        CControllerClothes* designer = new CControllerClothes(adult);
        benchmark::DoNotOptimize(designer);
        delete designer;
    }
    delete adult;
    CPerson::UnPreLoadClothes();
}
BENCHMARK(BM_DesignerOpensAndCloses)->Unit(benchmark::kMillisecond);

void BM_DesignerChangeColours(benchmark::State& state)
{
    EnsureBenchServices();
    CProfile::current->SetValue<bool>(67, false);
    CPerson* adult = Adult();
    {
        CControllerClothes designer(adult);
        int hue = 0;
        for (auto _ : state) {
            designer.SetSliderValue(CControllerClothes::kHue, hue);
            hue = (hue + 7) % 101;
            designer.ChangeColours();
        }
    }
    delete adult;
    CPerson::UnPreLoadClothes();
}
BENCHMARK(BM_DesignerChangeColours)->Unit(benchmark::kMicrosecond);

void BM_DesignerRenderNewPerson(benchmark::State& state)
{
    EnsureBenchServices();
    CProfile::current->SetValue<bool>(67, false);
    CPerson* adult = Adult();
    {
        CControllerClothes designer(adult);
        for (auto _ : state) {
            designer.RenderNewPerson();
        }
    }
    delete adult;
    CPerson::UnPreLoadClothes();
}
BENCHMARK(BM_DesignerRenderNewPerson)->Unit(benchmark::kMicrosecond);

}  // namespace
