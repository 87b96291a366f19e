// What an idle islander does next. Nobody plans for the band: each islander
// decides for itself on every idle frame, babies after their mothers, kids by
// wandering, adults by their needs first and then by their own priority list.
#include "CPerson.h"

#include "CControllerGame.h"
#include "CHut.h"
#include "CMap.h"
#include "CProfile.h"
#include "CResources.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTicksPerYear = 172800;
constexpr int kLowNeed = 2500, kHalfNeed = 5000;
constexpr int kWalkTask = 1, kSleepTask = 8, kHutWithPartnerTask = 10, kEatTask = 13, kFetchClothesTask = 18;
constexpr int kWalkSubTask = 1;
constexpr int kTutorialsProperty = 67;
constexpr int kNoHutLesson = 85, kNoFoodLesson = 83, kNoWoodLesson = 84, kWanderFarLesson = 72;
constexpr int kSpacing = 25, kSpacingWalk = 200;
constexpr int kIslandLow = 300, kIslandHigh = 3605, kNearStart = 300;
constexpr float kNearMother = 100.0f;
constexpr int kStepsToMother = 20;

bool TutorialsOn()
{
    return CProfile::current && CProfile::current->GetValue<bool>(kTutorialsProperty);
}

// A lesson the islander's trouble calls for, unless one is waiting already
// or it was learnt (step -1: any lesson).
bool MayRaiseLesson(int step)
{
    CControllerGame* screen = CControllerGame::game;
    return screen && screen->pendingTutorial == -1 && TutorialsOn() &&
           (step == -1 || !CTutorialDialog::IsTutorialComplete(step));
}

void RaiseLesson(CPerson* person, int step)
{
    CControllerGame::game->pendingTutorial = step;
    CObject::selectedObject = person;
}

// A float position is tested at the pixel it lies in (truncated), as every
// other test of a spot reads it, never at the nearest pixel.
bool OnLand(int x, int y)
{
    CMap* island = CControllerGame::island;
    return !island || island->GetWaterDepth(x, y, 50) >= 1.0f;
}

// A random point of the island.
void WanderTarget(int& tx, int& ty)
{
    tx = RangedRandom(kIslandLow, kIslandHigh);
    ty = RangedRandom(kIslandLow, kIslandHigh);
}

// A point near the island's start point; without an island the target
// stays as it is.
void NearStart(int& tx, int& ty)
{
    CMap* island = CControllerGame::island;
    if (island) {
        tx = island->GetStartX() + RangedRandom(-kNearStart, kNearStart);
        ty = island->GetStartY() + RangedRandom(-kNearStart, kNearStart);
    }
}

}  // namespace

void CPerson::DecideWhatToDo()
{
    idle = false;
    if (currentTask != 0) {
        return;
    }
    idle = true;
    const int years = data.age / kTicksPerYear;
    if (years < 3) {
        DecideWhatToDoBaby();
        return;
    }
    if (years < 14) {
        DecideWhatToDoKid();
        return;
    }

    if (data.energy >= kLowNeed) {
        if (data.energy < kHalfNeed && RangedRandom(0, 2) == 0 && currentTask == 0) {
            ChangeTask(kSleepTask);
            return;
        }
    } else if (sleepCountdown != -1) {
        int hutX = 0, hutY = 0;
        if (MayRaiseLesson(kNoHutLesson) && !CHut::FindAvailableHut(this, hutX, hutY, false, false, false)) {
            RaiseLesson(this, kNoHutLesson);
        }
        KeepPeopleSpacedApart();
        sleepCountdown--;
        if (currentTask == 0) {
            ChangeTask(kSleepTask);
        }
        return;
    } else {
        sleepCountdown = std::max(1500, static_cast<int>((data.energy / -2500.0 + 1.0) * 4500.0));
    }

    if (data.food < kLowNeed) {
        if (eatCountdown != -1) {
            if (MayRaiseLesson(-1)) {
                CResources* stock = CControllerGame::Resources();
                if (stock->GetFood(-1) < 1 && !CTutorialDialog::IsTutorialComplete(kNoFoodLesson)) {
                    RaiseLesson(this, kNoFoodLesson);
                } else if (stock->GetWood() < 1 && !CTutorialDialog::IsTutorialComplete(kNoWoodLesson)) {
                    RaiseLesson(this, kNoWoodLesson);
                }
            }
            KeepPeopleSpacedApart();
            eatCountdown--;
            if (currentTask == 0) {
                ChangeTask(kEatTask);
            }
            return;
        }
        eatCountdown = std::max(300, static_cast<int>((data.food / -2500.0 + 1.0) * 900.0));
    } else if (data.food < kHalfNeed && RangedRandom(0, 2) == 0 && currentTask == 0) {
        ChangeTask(kEatTask);
        return;
    }

    if (KeepPeopleSpacedApart()) {
        return;
    }

    if (data.food < kLowNeed || data.energy < kLowNeed || wanderTimer > 0) {
        if (lastTask != 0 && RangedRandom(0, 2) != 0 && IsTaskPermitted(lastTask)) {
            AttemptTaskRepeatedly(lastTask, false);
            return;
        }
        for (size_t i = 0; i < tasks.size(); i++) {
            const task_item entry = tasks[i];
            if (!IsTaskPermitted(entry.task)) {
                continue;
            }
            ChangeTask(entry.task);
            tasks.erase(tasks.begin() + static_cast<long>(i));
            if (entry.enabled != 0) {
                tasks.push_back(entry);
            }
            return;
        }
        return;
    }

    wanderTimer = RangedRandom(300, 600);
    int tx, ty;
    WanderTarget(tx, ty);
    const bool farAllowed = CTutorialDialog::IsTutorialComplete(kWanderFarLesson) || !TutorialsOn();
    if (!(RangedRandom(0, 6) == 0 && farAllowed)) {
        NearStart(tx, ty);
    }
    if (CObject::Collision(tx, ty, 0, 0, false)) {
        return;
    }
    SetSubTask(kWalkSubTask, tx, ty);
    taskFrames = 0;
    ChangeState(0);
    currentSubTask = 0;
    currentTask = kWalkTask;
}

void CPerson::DecideWhatToDoKid()
{
    if (spacingDelay >= 1) {
        spacingDelay--;
    } else if (WillIBeCloseToSomeoneElseAt(static_cast<int>(data.x), static_cast<int>(data.y), kSpacing, false) &&
               WalkNearby(kSpacingWalk, -1)) {
        return;
    }
    if (kidWanderTimer >= 1) {
        kidWanderTimer--;
        return;
    }
    kidWanderTimer = RangedRandom(60, 180);
    int tx, ty;
    WanderTarget(tx, ty);
    if (RangedRandom(0, 4) == 0) {
        NearStart(tx, ty);
    }
    if (CObject::Collision(tx, ty, 0, 0, false)) {
        return;
    }
    SetSubTask(kWalkSubTask, tx, ty);
    taskFrames = 0;
    ChangeState(0);
    currentSubTask = 0;
    currentTask = kWalkTask;
}

void CPerson::DecideWhatToDoBaby()
{
    if (spacingDelay > 0) {
        spacingDelay--;
    } else if (WillIBeCloseToSomeoneElseAt(static_cast<int>(data.x), static_cast<int>(data.y), kSpacing, false) &&
               WalkNearby(kSpacingWalk, -1)) {
        return;
    }

    const bool onLand = OnLand(static_cast<int>(data.x), static_cast<int>(data.y));
    CPerson* mother = FindMom();
    if (mother) {
        if (GetDist(data.x, data.y, mother->data.x, mother->data.y) <= kNearMother) {
            return;
        }
        float step = kNearMother;
        bool started = false;
        for (int attempt = 0; attempt < kStepsToMother && !started; attempt++) {
            step += 10.0f * attempt;
            EndTask(false);
            const float angle = FindAngle(data.x, data.y, mother->data.x, mother->data.y);
            const int px = static_cast<int>(data.x + std::sin(angle) * step);
            const int py = static_cast<int>(data.y - std::cos(angle) * step);
            if (onLand && !OnLand(px, py)) {
                return;
            }
            started = SetSubTask(kWalkSubTask, px, py);
        }
        if (!started) {
            return;
        }
    } else {
        int tx, ty;
        WanderTarget(tx, ty);
        if (CObject::Collision(tx, ty, 0, 0, false) || (onLand && !OnLand(tx, ty))) {
            return;
        }
        SetSubTask(kWalkSubTask, tx, ty);
    }
    taskFrames = 0;
    ChangeState(0);
    currentSubTask = 0;
    currentTask = kWalkTask;
}

void CPerson::AsleepOnFeet()
{
    data.energy = -5000;
    if (currentTask != kSleepTask && currentTask != kHutWithPartnerTask && currentTask != kFetchClothesTask) {
        EndTask(false);
    }
}

CPerson* CPerson::FindMom()
{
    if (motherCache) {
        return motherCache;
    }
    for (CPerson* person : people) {
        if (person != this && person->data.id == data.motherId) {
            motherCache = person;
            return person;
        }
    }
    return nullptr;
}
