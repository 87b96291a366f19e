// The islander detail screen: opening it (every piece loaded, about 30 texts
// rendered and the portrait doubled and mirrored) and closing it again, and
// one step of its arrows to the next islander (portrait and texts rebuilt).
// Run headless: `build/tests/bench --benchmark_filter=PersonDetail`.
#include "BenchServices.h"
#include "CControllerPersonDetail.h"
#include "CDraw.h"
#include "CPerson.h"
#include "CSprite.h"
#include "PersonRecords.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

// An islander with a side-panel portrait of the side panel's size.
class PortraitIslander : public CPerson {
public:
    PortraitIslander(int id, int gender) : CPerson(Record(id, gender))
    {
        CDraw* draw = CSprite::draw;
        picture = draw->CreateSizedBlank(90, 110, nullptr);
        draw->ColourFill(picture, RGBA_data{180, 120, 90, 255}, 10, 10, 70, 90);
    }
    ~PortraitIslander() override { CSprite::draw->RemoveImage(picture); }

    sidebar_image GetSpriteForSidebar() override { return sidebar_image{picture, "", 1}; }

private:
    static person_data Record(int id, int gender)
    {
        person_data record;
        std::memset(&record, 0, sizeof record);
        record.id = id;
        record.energy = record.food = 10000;
        record.x = 300.0f + 40.0f * static_cast<float>(id);
        record.y = 300.0f;
        record.age = record.actualAge = 30 * 172800;
        record.gender = gender;
        record.nameId = gender == 0 ? 7000 : 7500;
        for (int task = 0; task < kTaskCount; task++) {
            record.skills[task] = 700 * task;
            record.permittedTasks[task] = task % 2;
        }
        return record;
    }

    int picture;
};

void PersonDetailOpen(benchmark::State& state)
{
    EnsureBenchServices();
    PortraitIslander even(2, 0), odd(3, 1);
    for (auto _ : state) {
        CControllerPersonDetail detail(&even);
        benchmark::DoNotOptimize(detail.portrait);
    }
}
BENCHMARK(PersonDetailOpen)->Unit(benchmark::kMillisecond);

void PersonDetailArrowStep(benchmark::State& state)
{
    EnsureBenchServices();
    PortraitIslander even(2, 0), odd(3, 1);
    CControllerPersonDetail detail(&even);
    for (auto _ : state) {
        detail.GUICallback(1, 0);
        benchmark::DoNotOptimize(detail.shownPerson);
    }
}
BENCHMARK(PersonDetailArrowStep)->Unit(benchmark::kMillisecond);

}  // namespace
