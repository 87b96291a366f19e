// One frame of the sub-task an islander is in: the work at its object, the
// dives, the sleep and the stay in the hut with a partner. The walks run in
// CPerson_Walking.cpp.
#include "CPerson.h"

#include "CBuilding.h"
#include "CControllerGame.h"
#include "CFarm.h"
#include "CMap.h"
#include "CPersonMovement.h"
#include "CProfile.h"
#include "CRipple.h"
#include "CSound.h"
#include "CStone.h"
#include "CTree.h"
#include "Utilities.h"

namespace {

constexpr int kTwinBirths = 53;
constexpr int kFullEnergy = 10000;
constexpr int kBirthAt = 30;
constexpr int kPartnerLate = 70;

// The skill a work sub-task trains.
int SkillOfWork(int subTask, int task)
{
    switch (subTask) {
    case 2:
        return 2;
    case 3:
        return 4;
    case 4:
        return 5;
    default:
        return task;
    }
}

// Sub-tasks that last the task's length: hacking, diving, kneeling, hoeing,
// researching, crafting, eating.
bool IsWork(int subTask)
{
    for (int work : {2, 3, 4, 8, 10, 12, 13, 14, 15, 17}) {
        if (subTask == work) {
            return true;
        }
    }
    return false;
}

// The newborn walks out of the door the hut's variant faces.
void SendOut(CPerson& parent, CPerson& child)
{
    child.zOverride = parent.zOverride - 100;
    child.movement->ignoreObstructions = true;
    const int atX = static_cast<int>(parent.data.x), atY = static_cast<int>(parent.data.y);
    const bool walking = parent.hutVariant % 2 != 0 ? child.SetSubTask(1, atX + 100, atY + 82)
                                                    : child.SetSubTask(1, atX - 30, atY + 80);
    if (walking) {
        child.currentTask = 1;
        child.currentSubTask = 0;
        child.taskFrames = 0;
        child.ChangeState(0);
    }
}

}  // namespace

bool CPerson::PumpSubTask()
{
    // Only the work sub-tasks have a length; it is looked up fresh since the
    // skill behind it grows while the work goes on.
    const int length = IsWork(currentSubTask) ? GetTaskLength(currentTask, false) : 0;
    switch (currentSubTask) {
    case 0:
    case 1:
    case 5:
    case 6:
    case 7:
    case 16:
        return PumpWalkingSubTask();

    case 2:
    case 3:
    case 4:
        if (taskFrames < length) {
            ImproveSkill(SkillOfWork(currentSubTask, currentTask), true);
            if (currentSubTask == 2 && targetTree && targetTree->IsConsumed()) {
                // Felled by someone else: the log in hand still goes home.
                targetTree = nullptr;
                subTaskDone = true;
            } else if (currentSubTask == 3 && targetRock && targetRock->IsConsumed()) {
                targetRock = nullptr;
                subTaskDone = true;
            } else if (currentSubTask == 4 && targetBuilding) {
                targetBuilding->Build(1);
            }
            return true;
        }
        if (currentSubTask == 2 && targetTree) {
            targetTree->RemoveResource(1);
        } else if (currentSubTask == 3 && targetRock) {
            targetRock->RemoveResource();
        }
        targetTree = nullptr;
        targetRock = nullptr;
        targetBuilding = nullptr;
        subTaskDone = true;
        return true;

    case 8:
        if (taskFrames >= length) {
            FinishDive();
            subTaskDone = true;
            return true;
        }
        if (diveTimer == 1) {
            FinishDive();
        } else {
            diveTimer--;
        }
        if (diveTimer < -RangedRandom(120, 180)) {
            CRipple::AddRipple(Round(data.x + 10.0f), Round(data.y), 0);
            diveTimer = RangedRandom(60, 150);
        }
        if (diveTimer <= 0) {
            ImproveSkill(3, true);
        }
        return true;

    case 9: {
        const bool snoring = (sndSnore[0] && sndSnore[0]->IsPlaying()) || (sndSnore[1] && sndSnore[1]->IsPlaying());
        // The coin is tossed only when a snore is due, so that a sleeping
        // frame takes no draw from the island's numbers.
        CSound* snore = snoring ? nullptr : sndSnore[RangedRandom(0, 1)];
        if (snore && CControllerGame::island) {
            snore->Play(CControllerGame::island->GetDistFromScreenCenter(Round(data.x), Round(data.y)), false, 0,
                        0.0f);
        }
        if (finishSoon) {
            subTaskDone = true;
            return true;
        }
        data.energy = std::max(0, data.energy) + 1;
        if (data.energy > kFullEnergy - 1) {
            data.energy = kFullEnergy;
            subTaskDone = true;
        }
        return true;
    }

    case 13:
        if (craftQueue.empty()) {
            spacingDelay = 0;
            EndTask(false);
            return false;
        }
        [[fallthrough]];
    case 10:
    case 12:
    case 14:
    case 15:
    case 17:
        if (currentSubTask == 15 && targetFarm) {
            targetFarm->AddPoints(1);
        }
        if (taskFrames >= length) {
            subTaskDone = true;
        }
        ImproveSkill(currentTask, true);
        return true;

    case 11: {
        // A partner who died or was taken away ends the stay: no child of one.
        if (finishSoon || !partner || partner->deleteMe) {
            subTaskDone = true;
            return true;
        }
        const bool partnerInside = partner && partner->currentSubTask == 11;
        if (!partnerInside && hutTimer >= kPartnerLate) {
            return false;
        }
        if (hutTimer > 0) {
            hutTimer--;
        }
        if (hutTimer == 0) {
            subTaskDone = true;
        }
        if (partnerInside || hutTimer != kBirthAt) {
            return true;
        }
        if (CPerson* child = ProduceChildWith(partner, -1)) {
            SendOut(*this, *child);
        }
        const bool potion = data.twinsPotion || (partner && partner->data.twinsPotion);
        if (potion || RangedRandom(0, 20) == 0) {
            twinsBorn = true;
            if (CProfile::current) {
                CProfile* profile = CProfile::current;
                profile->SetValue<int>(kTwinBirths, SaturatingAdd(profile->GetValue<int>(kTwinBirths), 1));
            }
            data.twinsPotion = 0;
            if (partner) {
                partner->data.twinsPotion = 0;
            }
            if (CPerson* twin = ProduceChildWith(partner, -1)) {
                SendOut(*this, *twin);
            }
        }
        return true;
    }

    default:
        return false;
    }
}
