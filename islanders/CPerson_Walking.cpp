// Where an islander walks: to its targets, to the stock, away from the
// others, and the walking sub-tasks that take it there.
#include "CPerson.h"

#include "CControllerGame.h"
#include "CFlowerIndicator.h"
#include "CPersonMovement.h"
#include "CResources.h"
#include "CRipple.h"
#include "CStone.h"
#include "CTree.h"
#include "CTreeIndicator.h"
#include "Utilities.h"

#include <cmath>
#include <vector>

namespace {

constexpr int kNearbyTries = 100;
constexpr int kPileTries = 10;
constexpr float kArrived = 10.0f;
constexpr int kSpacing = 25;
constexpr int kWanderSpacing = 50;
constexpr int kSpacingRange = 200;

// The body direction of a step: 0 NE, 1 SE, 2 SW, 3 NW.
int DirectionOfMotion(float dx, float dy)
{
    if (dx >= 0.0f && dy >= 0.0f) {
        return 1;
    }
    if (dx < 0.0f && dy >= 0.0f) {
        return 2;
    }
    if (dx < 0.0f && dy < 0.0f) {
        return 3;
    }
    return 0;
}

template <typename Target, typename Working>
void EndEveryonesWorkOn(Target* object, Working working)
{
    if (!object) {
        return;
    }
    // Ending a task never adds or removes islanders, but a copy keeps the
    // walk safe should that ever change.
    const std::vector<CPerson*> band = CPerson::people;
    for (CPerson* person : band) {
        if (working(*person) == object) {
            person->EndTask(false);
        }
    }
}

}  // namespace

void CPerson::GetDestination(int& atX, int& atY)
{
    if (movement->IsMoving()) {
        movement->GetDestination(atX, atY);
    } else {
        atX = static_cast<int>(data.x);
        atY = static_cast<int>(data.y);
    }
}

void CPerson::MoveTo(int atX, int atY)
{
    movement->StopMovement();
    OffsetByBodySize(atX, atY);
    movement->MoveTo(atX, atY);
}

void CPerson::MoveTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    switch (RangedRandom(0, 3)) {
    case 0:
        MoveTo(x1, y1);
        break;
    case 1:
        MoveTo(x2, y2);
        break;
    case 2:
        MoveTo(x3, y3);
        break;
    default:
        MoveTo(x4, y4);
        break;
    }
}

bool CPerson::CanWeMoveTo(int atX, int atY)
{
    OffsetByBodySize(atX, atY);
    return movement->CanWeMoveTo(atX, atY);
}

bool CPerson::GetPileCoordinates(int& atX, int& atY, int kind)
{
    bool reachable = false;
    for (int attempt = 0; attempt < kPileTries && !reachable; attempt++) {
        CControllerGame::Resources()->GetPileCoordinates(atX, atY, kind);
        reachable = CanWeMoveTo(atX, atY);
    }
    return reachable;
}

void CPerson::AdjustHackCoordinates(int& atX, int& atY, int side)
{
    if (!isMale) {
        return;
    }
    atX += side == 1 ? 5 : -3;
    atY += side == 1 ? 7 : 9;
}

void CPerson::FinishDive()
{
    if (diveTimer > 0) {
        CRipple::AddRipple(Round(data.x + 10.0f), Round(data.y), 0);
        if (!hidden) {
            UnHidePerson();
        }
    }
    diveTimer = 0;
}

bool CPerson::WillIBeCloseToSomeoneElseAt(int atX, int atY, int distance, bool addFootOffset)
{
    if (addFootOffset) {
        OffsetByBodySize(atX, atY);
    }
    for (CPerson* other : people) {
        if (other == this || other->pickedUp) {
            continue;
        }
        int otherX, otherY;
        other->GetDestination(otherX, otherY);
        if (GetDist(atX, atY, otherX, otherY) < static_cast<float>(distance)) {
            return true;
        }
    }
    return false;
}

int CPerson::HowCloseIsTheClosestPersonTo(int atX, int atY, bool skipHeld)
{
    float closest = -1.0f;
    for (const CPerson* person : people) {
        if (skipHeld && person->pickedUp) {
            continue;
        }
        const float distance = GetDist(static_cast<float>(atX), static_cast<float>(atY), person->data.x, person->data.y);
        if (closest < 0.0f || distance < closest) {
            closest = distance;
        }
    }
    return closest < 0.0f ? -1 : Round(closest);
}

bool CPerson::WalkNearby(int range, int minRange)
{
    if (!mayWander) {
        return false;
    }
    const int fromX = static_cast<int>(data.x), fromY = static_cast<int>(data.y);
    auto offset = [&]() {
        if (minRange == -1) {
            return RangedRandom(-range, range);
        }
        const int size = RangedRandom(minRange, range);
        return RangedRandom(0, 1) == 0 ? size : -size;
    };
    for (int attempt = 0; attempt < kNearbyTries; attempt++) {
        const int dx = offset();
        const int dy = offset();
        const int atX = fromX + dx, atY = fromY + dy;
        if (WillIBeCloseToSomeoneElseAt(atX, atY, kWanderSpacing, true) || !CanWeMoveTo(atX, atY)) {
            continue;
        }
        if (!SetSubTask(1, atX, atY)) {
            return false;
        }
        currentTask = 1;
        currentSubTask = 0;
        taskFrames = 0;
        ChangeState(0);
        return true;
    }
    return false;
}

bool CPerson::KeepPeopleSpacedApart()
{
    if (spacingDelay >= 1) {
        spacingDelay--;
        return false;
    }
    // A walk that fails ends the task, and ending a task asks for spacing
    // again: without this guard the two would call each other for ever.
    if (inSpacingRule ||
        !WillIBeCloseToSomeoneElseAt(static_cast<int>(data.x), static_cast<int>(data.y), kSpacing, false)) {
        return false;
    }
    inSpacingRule = true;
    const bool walked = WalkNearby(kSpacingRange, -1);
    inSpacingRule = false;
    return walked;
}

void CPerson::StopEveryoneHacking(CTree* tree)
{
    EndEveryonesWorkOn(tree, [](CPerson& p) { return p.targetTree; });
}

void CPerson::StopEveryoneHacking(CStone* rock)
{
    EndEveryonesWorkOn(rock, [](CPerson& p) { return p.targetRock; });
}

void CPerson::StopEveryoneHacking(CBuilding* building)
{
    EndEveryonesWorkOn(building, [](CPerson& p) { return p.targetBuilding; });
}

void CPerson::StopEveryoneHacking(CTreeIndicator* sapling)
{
    EndEveryonesWorkOn(sapling, [](CPerson& p) { return p.targetSaplingMarker; });
}

void CPerson::StopEveryoneHacking(CFlowerIndicator* flowers)
{
    if (!flowers) {
        return;
    }
    const std::vector<CPerson*> band = people;
    for (CPerson* person : band) {
        if (person->targetFlowerMarker == flowers) {
            // The kneeling pose is left through a full stand-and-walk cycle.
            person->Hide();
            person->EndTask(false);
            person->ChangeState(0);
            person->ChangeState(1);
            person->UnHide();
        }
    }
}

// ---- The walking sub-tasks ------------------------------------------------------

namespace {

bool StillFar(const CPerson& person, int targetX, int targetY)
{
    int atX = targetX, atY = targetY;
    person.OffsetByBodySize(atX, atY);
    const float distance = GetDist(person.data.x, person.data.y, static_cast<float>(atX), static_cast<float>(atY));
    return !(distance < kArrived);
}

}  // namespace

bool CPerson::PumpWalkingSubTask()
{
    switch (currentSubTask) {
    case 0:
        return true;
    case 1: {
        if ((currentTask == 8 || currentTask == 10) && finishSoon && targetHut) {
            EndTask(false);
            return false;
        }
        if (sentByPlayer) {
            sentByPlayer = false;
            movement->StopMovement();
            int atX = subTaskX, atY = subTaskY;
            OffsetByBodySize(atX, atY);
            movement->WarpTo(static_cast<float>(atX), static_cast<float>(atY));
            subTaskDone = true;
            return true;
        }
        if (bodyState == 0) {
            if (movement->IsMoving()) {
                if (movement->CurrentlyMoving()) {
                    ChangeState(1);
                }
                return true;
            }
            if (!StillFar(*this, subTaskX, subTaskY)) {
                subTaskDone = true;
                return true;
            }
            EndTask(false);
            return false;
        }
        if (bodyState == 1) {
            return PumpWalkingOn(1);
        }
        return true;
    }
    case 5:
    case 6:
    case 7:
    case 16: {
        const int carrying = currentSubTask == 5 ? 6 : currentSubTask == 6 ? 7 : currentSubTask == 7 ? 8 : 10;
        if (bodyState == 0) {
            if (movement->IsMoving()) {
                if (movement->CurrentlyMoving()) {
                    ChangeState(carrying);
                }
                return true;
            }
            EndTask(false);
            return false;
        }
        if (bodyState == carrying) {
            return PumpWalkingOn(currentSubTask);
        }
        return true;
    }
    default:
        return false;
    }
}

bool CPerson::PumpWalkingOn(int subTask)
{
    const int direction = DirectionOfMotion(moveDX, moveDY);
    if (direction != bodyDirection) {
        AlterBodyDirection(direction);
    }
    if (movement->IsMoving()) {
        return true;
    }
    if (StillFar(*this, subTaskX, subTaskY)) {
        return SetSubTask(subTask, subTaskX, subTaskY);
    }
    subTaskDone = true;
    return true;
}
