// The side panel's frame with a steady selection (nothing may be rebuilt),
// and a change of selection between two islanders followed by the frames
// until everything has slid back in. The text images built are reported
// per frame and per change. Run headless:
// `build/tests/bench --benchmark_filter=Sidebar`.
#include "BenchServices.h"
#include "CControllerGame.h"
#include "CObject.h"
#include "CPerson.h"
#include "CSidebar.h"
#include "PersonRecords.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

person_data Grown(int x, int gender)
{
    person_data record;
    std::memset(&record, 0, sizeof record);
    record.energy = record.food = 10000;
    record.x = static_cast<float>(x);
    record.y = 300.0f;
    record.age = record.actualAge = 30 * 172800;
    record.gender = gender;
    record.nameId = gender == 0 ? 7000 : 7500;
    return record;
}

struct Band {
    Band() : a(new CPerson(Grown(200, 0))), b(new CPerson(Grown(300, 1)))
    {
        a->thoughtId = b->thoughtId = 15004;
        CObject::selectedObject = a;
    }
    ~Band()
    {
        CObject::selectedObject = nullptr;
        delete a;
        delete b;
    }
    CPerson* a;
    CPerson* b;
};

bool Settled(const CSidebar& panel)
{
    return panel.detailInfoState == CSidebar::SHOWN && panel.tooltipState == CSidebar::SHOWN &&
           panel.detailButtonState == CSidebar::SHOWN;
}

void SidebarSteadySelection(benchmark::State& state)
{
    EnsureBenchServices();
    const BenchWorld world;  // the panel makes the stock
    CSidebar panel(nullptr);
    Band band;
    for (int i = 0; i < 100; i++) {
        panel.Pump(false);
    }
    const int before = panel.textImagesBuilt;
    int frames = 0;
    for (auto _ : state) {
        panel.Pump(false);
        frames++;
    }
    state.counters["texts_per_frame"] = static_cast<double>(panel.textImagesBuilt - before) / frames;
}
BENCHMARK(SidebarSteadySelection);

void SidebarChangeOfSelection(benchmark::State& state)
{
    EnsureBenchServices();
    const BenchWorld world;  // the panel makes the stock
    CSidebar panel(nullptr);
    Band band;
    while (!Settled(panel)) {
        panel.Pump(false);
    }
    const int before = panel.textImagesBuilt;
    int changes = 0;
    for (auto _ : state) {
        CObject::selectedObject = changes % 2 == 0 ? band.b : band.a;
        do {
            panel.Pump(false);
        } while (!Settled(panel));
        changes++;
    }
    state.counters["texts_per_change"] = static_cast<double>(panel.textImagesBuilt - before) / changes;
}
BENCHMARK(SidebarChangeOfSelection)->Unit(benchmark::kMicrosecond);

}  // namespace
