// Starting, changing, ending and timing an islander's tasks, and who may do
// what.
#include "CPerson.h"

#include "CBuilding.h"
#include "CFish.h"
#include "CHut.h"
#include "CMysteriousObject.h"
#include "CPersonMovement.h"
#include "CSound.h"
#include "CStone.h"
#include "CTree.h"
#include "Utilities.h"

#include <algorithm>

namespace {

constexpr int kAttempts = 16;
constexpr int kMysteryOfQuickWork = 5;
constexpr int kAngryFace = 2;

// Tasks that share one permission byte.
constexpr int kBuildingGroup[] = {5, 6, 7};
constexpr int kGardenGroup[] = {9, 14, 15, 16};

// The skill slot a task trains and reads; -1 none.
constexpr int kSkillOfTask[kTaskCount] = {-1, -1, 2, 3, 4, 5, 5, 5, -1, 14, -1, 11, 12, -1, 14, 14, 14, -1, -1};

struct fishing_band {
    int leastClump;
    int base, minimum;
};
constexpr fishing_band kFishingBands[] = {{50, 600, 60}, {20, 800, 120}, {3, 1000, 180}, {-1000000, 1200, 240}};

// A fishing turn lands a fish when RangedRandom(0, 100) is below the limit;
// the larger the band, the emptier the sea.
struct fishing_luck {
    int leastPeople;
    int below;
};
constexpr fishing_luck kFishingLuck[] = {{30, 1}, {25, 5}, {20, 10}, {15, 30}, {12, 60}, {10, 80}, {9, 90}};

bool InGroup(const int* first, const int* last, int task)
{
    return std::find(first, last, task) != last;
}

// A sleeper woken by its partner leaving is cross and quiet for a while.
void WakeCrossly(CPerson& sleeper)
{
    if (sleeper.currentTask == 8) {
        sleeper.ChangeEmotion(kAngryFace, -1);
        sleeper.thoughtCountdown = RangedRandom(600, 900);
        sleeper.thoughtId = -1;
    }
}

}  // namespace

bool CPerson::IsTaskPermitted(int task) const
{
    return task >= 0 && task < kTaskCount && data.permittedTasks[task] != 0;
}

void CPerson::PermitTask(int task, bool allow)
{
    if (task < 0 || task >= kTaskCount) {
        return;
    }
    const uint8_t value = allow ? 1 : 0;
    data.permittedTasks[task] = value;
    if (task == 5) {
        for (int t : kBuildingGroup) {
            data.permittedTasks[t] = value;
        }
    } else if (InGroup(std::begin(kGardenGroup), std::end(kGardenGroup), task)) {
        for (int t : kGardenGroup) {
            data.permittedTasks[t] = value;
        }
    }
    if (!IsTaskPermitted(currentTask)) {
        endTaskRequested = true;
    }
}

void CPerson::ChangeTask(int task)
{
    if (currentTask != 0 && task == 0 && KeepPeopleSpacedApart()) {
        return;
    }
    taskFrames = 0;
    ChangeState(0);
    currentSubTask = 0;
    currentTask = task;
}

void CPerson::EndTask(bool repeat)
{
    const int endedTask = currentTask;
    lastTask = repeat ? endedTask : 0;
    hutTimer = 0;
    CHut::LeaveHut(this);

    if (partner) {
        if (!keepPartner) {
            WakeCrossly(*partner);
            partner->finishSoon = true;
            if (partner->partner && !partner->partner->finishSoon) {
                partner->partner->FinishTaskSoon();
            }
        }
        // The link goes even when the partner is left alone: a stale one
        // would later wake the former partner in anger.
        partner = nullptr;
    }

    sentByPlayer = false;
    FinishDive();
    targetUnderMouse = false;
    finishSoon = false;
    movement->StopMovement();
    movement->ignoreObstructions = false;
    targetHut = nullptr;
    targetCraftworks = nullptr;
    zOverride = -1;
    zOverrideDelay = 0;
    targetFarm = nullptr;
    targetFlowerMarker = nullptr;
    targetSaplingMarker = nullptr;
    targetTree = nullptr;
    targetRock = nullptr;
    targetBuilding = nullptr;
    target = nullptr;
    workSpot = carryX = carryY = carryKind = -1;
    carriedItem = -1;
    currentSubTask = 0;
    subTaskDone = true;
    subTaskX = subTaskY = -1;

    if (endedTask == 0 || !KeepPeopleSpacedApart()) {
        taskFrames = 0;
        ChangeState(0);
        currentSubTask = 0;
        currentTask = 0;
    }

    UnHide();
    if (CPersonMovement::whoIsMoving == this) {
        CPersonMovement::whoIsMoving = nullptr;
    }
    for (CSound* snore : sndSnore) {
        if (snore) {
            snore->Stop();
        }
    }
}

bool CPerson::SetSubTask(int subTask, int atX, int atY)
{
    currentSubTask = subTask;
    subTaskDone = false;
    subTaskX = atX;
    subTaskY = atY;
    switch (subTask) {
    case 1:
    case 5:
    case 6:
    case 7:
    case 16: {
        ChangeState(0);
        if (CanWeMoveTo(atX, atY)) {
            MoveTo(atX, atY);
            if (movement->IsMoving()) {
                return true;
            }
        } else if (targetTree) {
            targetTree->DelayChop();
        } else if (targetRock) {
            targetRock->DelayChop();
        } else if (targetBuilding) {
            targetBuilding->DelayChop();
        }
        EndTask(false);
        return false;
    }
    case 2:
    case 3:
    case 4:
        taskFrames = 0;
        AlterBodyDirection(workDirection);
        ChangeState(subTask);
        break;
    case 10:
    case 15:
    case 17:
        taskFrames = 0;
        AlterBodyDirection(workDirection);
        ChangeState(5);
        break;
    case 12:
    case 13:
    case 14:
        taskFrames = 0;
        AlterBodyDirection(workDirection);
        ChangeState(0);
        break;
    case 8:
        taskFrames = 0;
        diveTimer = 0;
        ChangeState(0);
        break;
    default:
        break;
    }
    return true;
}

bool CPerson::AttemptTaskRepeatedly(int task, bool chosen)
{
    for (int attempt = 0; attempt < kAttempts; attempt++) {
        EndTask(false);
        targetUnderMouse = chosen;
        ChangeTask(task);
        PumpTask();
        if (currentTask == task) {
            return true;
        }
    }
    return false;
}

void CPerson::FinishTaskSoon()
{
    // The chain can close on itself; finishSoon marks who was reached.
    for (CPerson* person = this; person && !person->finishSoon; person = person->partner) {
        WakeCrossly(*person);
        person->finishSoon = true;
    }
}

int CPerson::GetTaskLength(int task, bool atFishingSpot)
{
    const float mystery = CMysteriousObject::IsComplete(kMysteryOfQuickWork) ? 0.8f : 1.0f;
    const int slot = task >= 0 && task < kTaskCount ? kSkillOfTask[task] : -1;
    const int skill = slot >= 0 ? data.skills[slot] : 0;
    const int strength = physicalStrength;

    if (task == 3) {
        int atX = atFishingSpot ? data.fishingX : Round(data.x);
        int atY = atFishingSpot ? data.fishingY : Round(data.y);
        InverseOffsetByBodySize(atX, atY);
        const int clump = CFish::GetSizeOfNearestClump(atX, atY);
        const fishing_band* band = std::begin(kFishingBands);
        while (clump < band->leastClump) {
            band++;
        }
        const int length = Round(band->base * (1.0f - skill / 10000.0f) * (1.0f - strength / 100.0f));
        return std::max(band->minimum, length);
    }
    if (task == 9 || task == 14 || task == 16) {
        return Round(60 * mystery);
    }
    if (task == 13) {
        return 5;
    }
    const int length = 180 - static_cast<int>(90.0f * (skill + 100 * strength) / 20000.0f);
    if (task == 2 || task == 4 || task == 5) {
        return Round(mystery * length);
    }
    return length;
}

bool CPerson::FishSuccess()
{
    const int living = NumPeople();
    const int draw = RangedRandom(0, 100);
    for (const fishing_luck& luck : kFishingLuck) {
        if (living >= luck.leastPeople) {
            return draw < luck.below;
        }
    }
    return true;
}
