// The trophy room and the trophy pop-up: opening the room (25 discs, 25
// pictures, 50 texts and two buttons), one room frame with the pointer
// sweeping over the discs, and opening the pop-up with its fanfare. Run
// headless: `build/tests/bench --benchmark_filter=Troph`.
#include "BenchServices.h"
#include "CControllerTrophies.h"
#include "CControllerTrophyUnlock.h"
#include "CInput.h"
#include "CProfile.h"
#include "CTutorialDialog.h"
#include "TrophyTable.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kHeld = (1 << 3) | (1 << 9) | (1 << 20);

void Prepare()
{
    EnsureBenchServices();
    CProfile::current->SetValue<bool>(67, false);
    CControllerTrophies::SetVar(kHeld);
}

void BM_OpenTrophyRoom(benchmark::State& state)
{
    Prepare();
    for (auto _ : state) {
        CControllerTrophies room;
        benchmark::DoNotOptimize(room.Hovered());
    }
}
BENCHMARK(BM_OpenTrophyRoom)->Unit(benchmark::kMillisecond);

void BM_TrophyRoomFrameUnderAMovingPointer(benchmark::State& state)
{
    Prepare();
    CControllerTrophies room;
    room.hasFocus = true;
    CController::focus = &room;
    int trophy = 0;
    for (auto _ : state) {
        // Each frame the pointer stands on the next disc or between two.
        const trophy_data& look = kTrophyLooks[trophy % kTrophyCount];
        CController::input->mouseX = look.roomDisc.x + (trophy % 2 ? 55 : 0);
        CController::input->mouseY = look.roomDisc.y + 55;
        room.Pump();
        trophy++;
    }
    CController::focus = nullptr;
}
BENCHMARK(BM_TrophyRoomFrameUnderAMovingPointer)->Unit(benchmark::kMicrosecond);

void BM_OpenTrophyPopUp(benchmark::State& state)
{
    Prepare();
    for (auto _ : state) {
        CControllerTrophyUnlock popUp(1 << 11);
        benchmark::DoNotOptimize(popUp.trophy);
    }
}
BENCHMARK(BM_OpenTrophyPopUp)->Unit(benchmark::kMillisecond);

}  // namespace
