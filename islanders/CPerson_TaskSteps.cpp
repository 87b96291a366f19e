// The step machine of an islander's task: once a frame it looks at the
// sub-task that has ended and starts the next one, delivers the work to the
// stock or ends the task. Every target is looked up again at its step: one
// that went away meanwhile ends the task quietly.
#include "CPerson.h"

#include "CBuilding.h"
#include "CControllerGame.h"
#include "CControllerScience.h"
#include "CControllerTrophies.h"
#include "CCraftworks.h"
#include "CFarm.h"
#include "CFireplace.h"
#include "CFish.h"
#include "CFlowerIndicator.h"
#include "CHut.h"
#include "CMap.h"
#include "CPersonMovement.h"
#include "CProfile.h"
#include "CResources.h"
#include "CScienceStation.h"
#include "CStone.h"
#include "CTree.h"
#include "CTreeIndicator.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFishingSpotTries = 1000;
constexpr int kNearSpotTries = 99;
constexpr int kSeaMin = 96, kSeaMax = 3713;
constexpr float kFishingTerrain = 0.1f, kFishingWater = 0.5f;
constexpr int kFishingBox = 40, kFishingBoxLead = 10;
constexpr int kNearSpotRadius = 100;
constexpr int kFishingSpacing = 60;
constexpr int kMeal = 3333;
constexpr int kFull = 10000;
constexpr int kRemarkFrames = 1200;
constexpr int kLongFace = 99999;
constexpr int kTutorialsOn = 67;
constexpr int kClothesTrophy = 8;
constexpr int kLonelyHutTimer = 150, kSecondHutTimer = 210;

enum Face { SMILE = 0, ANGRY = 2, SURPRISED = 4, WORRIED = 5 };

// Frames the body stays drawn in front while it steps through a door, by
// walking-speed level.
constexpr int kDoorDelayEvenHut[5] = {37, 20, 16, 13, 9};
constexpr int kDoorDelayOddHut[5] = {30, 17, 12, 10, 7};
constexpr int kDoorDelayCraftworks[5] = {34, 18, 14, 11, 8};

template <typename Field>
bool SomeoneElseAt(const CPerson& me, Field field)
{
    return std::any_of(CPerson::people.begin(), CPerson::people.end(),
                       [&](const CPerson* other) { return other != &me && field(*other); });
}

int Level(const CPerson& person)
{
    return std::clamp(person.speedLevel, 0, 4);
}

// Takes the under-the-mouse flag for one search.
bool TakeUnderMouse(CPerson& person)
{
    const bool underMouse = person.targetUnderMouse;
    person.targetUnderMouse = false;
    return underMouse;
}

CResources* Stock()
{
    return CControllerGame::Resources();
}

void CarryToStock(CPerson& person, int kind, int walk, int item)
{
    int atX = Round(person.data.x), atY = Round(person.data.y);
    person.GetPileCoordinates(atX, atY, kind);
    if (person.SetSubTask(walk, atX, atY)) {
        person.carriedItem = item;
    }
}

void Remark(CPerson& person, int id)
{
    person.speechId = id;
    person.speechName.clear();
    person.speechTimer = kRemarkFrames;
}

bool TutorialsOn()
{
    return CProfile::current && CProfile::current->GetValue<bool>(kTutorialsOn);
}

// The clothes tutorial goes on one step when the islander reaches the
// craftworks and again when it comes out dressed.
void ClothesTutorial(CPerson& person, int done, int next)
{
    CControllerGame* game = CControllerGame::game;
    if (game && (game->pendingTutorial == -1 || game->pendingTutorial == done) && TutorialsOn() &&
        !CTutorialDialog::IsTutorialComplete(next)) {
        CTutorialDialog::CompleteTutorial(done);
        game->pendingTutorial = next;
        CObject::selectedObject = &person;
    }
}

bool Unusable(CBuilding* building)
{
    return !building->IsComplete() || building->IsBeingDemolished() || building->IsDemolished();
}

}  // namespace

// ---- Shared steps ----------------------------------------------------------------

namespace {

void FindTreeSpot(CPerson& p)
{
    int atX = static_cast<int>(p.data.x), atY = static_cast<int>(p.data.y);
    CTree* tree = CTree::FindTreeCoords(atX, atY, p.workDirection, TakeUnderMouse(p));
    if (!tree || SomeoneElseAt(p, [&](const CPerson& o) { return o.targetTree == tree; })) {
        p.EndTask(false);
        return;
    }
    p.AdjustHackCoordinates(atX, atY, p.workDirection);
    p.targetTree = tree;
    p.SetSubTask(1, atX, atY);
}

void FindRockSpot(CPerson& p)
{
    int atX = static_cast<int>(p.data.x), atY = static_cast<int>(p.data.y);
    CStone* rock = CStone::FindRockCoords(atX, atY, p.workDirection, TakeUnderMouse(p));
    if (!rock || SomeoneElseAt(p, [&](const CPerson& o) { return o.targetRock == rock; })) {
        p.EndTask(false);
        return;
    }
    p.AdjustHackCoordinates(atX, atY, p.workDirection);
    if (p.isMale) {
        atX += p.workDirection == 1 ? 6 : -8;
        atY += p.workDirection == 1 ? 11 : 10;
    }
    p.targetRock = rock;
    p.SetSubTask(1, atX, atY);
}

// The building, the stand point and its number for the carrying and
// building tasks; null (the task ended) when none or when taken.
CBuilding* FindSite(CPerson& p, int& atX, int& atY, bool needsResources, bool hasResourcesToTake)
{
    atX = static_cast<int>(p.data.x);
    atY = static_cast<int>(p.data.y);
    int spot = -1;
    CBuilding* site =
        CBuilding::FindCoords(atX, atY, p.workDirection, spot, needsResources, hasResourcesToTake, TakeUnderMouse(p));
    if (!site ||
        SomeoneElseAt(p, [&](const CPerson& o) { return o.targetBuilding == site && o.workSpot == spot; })) {
        p.EndTask(false);
        return nullptr;
    }
    p.workSpot = spot;
    p.targetBuilding = site;
    return site;
}

void EnterBuilding(CPerson& p, CBuilding* building, bool hut)
{
    int atX = 0, atY = 0;
    int level = Level(p);
    if (hut) {
        CHut* door = static_cast<CHut*>(building);
        door->GetEntryCoordinates(atX, atY);
        p.zOverride = door->GetSleepZ();
        p.hutVariant = door->GetVariant();
        p.zOverrideDelay = p.hutVariant % 2 == 0 ? kDoorDelayEvenHut[level] : kDoorDelayOddHut[level];
        p.targetHut = nullptr;
    } else {
        CCraftworks* door = static_cast<CCraftworks*>(building);
        door->GetEntryCoordinates(atX, atY);
        p.zOverride = door->GetSleepZ();
        p.zOverrideDelay = kDoorDelayCraftworks[level];
        p.targetCraftworks = nullptr;
    }
    p.movement->ignoreObstructions = true;
    if (!p.SetSubTask(1, atX, atY) && hut) {
        CHut::LeaveHut(&p);
    }
}

// Out through the door the way the hut's variant faces, as a plain walk.
void WalkOutOf(CPerson& p, bool evenDoor, bool releaseHut)
{
    const int atX = static_cast<int>(p.data.x), atY = static_cast<int>(p.data.y);
    const int z = p.zOverride, delay = p.zOverrideDelay;
    if (releaseHut) {
        CHut::LeaveHut(&p);
    }
    p.EndTask(false);
    p.zOverride = z;
    p.zOverrideDelay = delay;
    p.movement->ignoreObstructions = true;
    if (evenDoor) {
        p.SetSubTask(1, atX - 30, atY + 80);
    } else {
        p.SetSubTask(1, atX + 100, atY + 82);
    }
    // A walk that did not start leaves a plain walk that ends on its next
    // step where the islander stands.
    p.currentTask = 1;
    p.currentSubTask = 0;
    p.taskFrames = 0;
    p.ChangeState(0);
}

void LeaveHut(CPerson& p)
{
    p.UnHidePerson();
    WalkOutOf(p, p.hutVariant % 2 == 0, true);
}

void SetWakingFace(CPerson& p)
{
    const int id = p.speechId;
    if (id >= 34030) {
        return;
    }
    if (id == 34012) {
        p.ChangeEmotion(ANGRY, kLongFace);
    } else if (id == 34026 || id == 34028) {
        p.ChangeEmotion(SURPRISED, kLongFace);
    } else {
        constexpr int kFaces[3] = {WORRIED, SURPRISED, ANGRY};
        p.ChangeEmotion(kFaces[RangedRandom(0, 2)], kLongFace);
    }
}

// The first fishing spot: shallow sea with room around it, bounded so that
// an island without one ends the task instead of searching for ever.
bool FindFishingSpot(CPerson& p)
{
    CMap* island = CControllerGame::island;
    if (!island) {
        return false;
    }
    for (int attempt = 0; attempt < kFishingSpotTries; attempt++) {
        const int atX = RangedRandom(kSeaMin, kSeaMax);
        const int atY = RangedRandom(kSeaMin, kSeaMax);
        if (island->GetTerrainDepth(atX, atY) <= kFishingTerrain &&
            !CObject::Collision(atX - kFishingBoxLead, atY - kFishingBoxLead, kFishingBox, kFishingBox, false)) {
            p.data.fishingX = atX;
            p.data.fishingY = atY;
            return true;
        }
    }
    return false;
}

void StartFishing(CPerson& p)
{
    CResources* stock = Stock();
    CMap* island = CControllerGame::island;
    if (!island || (stock && stock->IsResourceMaxed(6))) {
        p.EndTask(false);
        return;
    }
    if (p.data.fishingX == 0 && p.data.fishingY == 0 && !FindFishingSpot(p)) {
        p.EndTask(false);
        return;
    }
    const int spotX = p.data.fishingX, spotY = p.data.fishingY;
    for (int attempt = 0; attempt < kNearSpotTries; attempt++) {
        int atX = spotX, atY = spotY;
        if (attempt > 0) {
            const float angle = RangedRandom(0.0f, 2.0f * static_cast<float>(M_PI));
            const float radius = RangedRandom(0.0f, static_cast<float>(kNearSpotRadius));
            atX += static_cast<int>(std::sin(angle) * radius);
            atY += static_cast<int>(std::cos(angle) * radius);
        }
        if (island->GetWaterDepth(atX, atY, 50) > kFishingWater) {
            continue;
        }
        p.data.fishingX = atX;
        p.data.fishingY = atY;
        if (!p.WillIBeCloseToSomeoneElseAt(atX, atY, kFishingSpacing, true)) {
            p.SetSubTask(1, atX, atY);
            return;
        }
    }
    p.EndTask(false);
}

int StockOf(int kind)
{
    CResources* stock = Stock();
    if (!stock) {
        return 0;
    }
    return kind == 0 ? stock->GetWood() : stock->GetRock();
}

}  // namespace

// ---- The step machine --------------------------------------------------------------

void CPerson::PumpTask()
{
    taskFrames++;
    const int task = currentTask;
    if (task == 0 || task == 17) {
        return;
    }
    if (task == 13 && waitingForFire) {
        if (!CFireplace::IsBurning()) {
            EndTask(false);
            return;
        }
        waitingForFire = false;
    }
    if (!PumpSubTask()) {
        return;
    }
    const int sub = currentSubTask;
    const bool done = subTaskDone;
    CResources* stock = Stock();

    switch (task) {
    case 1:
        if (sub == 0) {
            currentSubTask = 1;
            subTaskDone = false;
        } else if (sub == 1 && done) {
            EndTask(false);
        }
        break;

    case 2:
        // A tree felled by someone else before the work began is gone.
        if (targetTree && (!targetTree->IsChoppable() || (sub <= 1 && targetTree->IsConsumed()))) {
            EndTask(false);
        } else if (sub == 0) {
            if (stock && stock->IsResourceMaxed(0)) {
                EndTask(false);
            } else {
                FindTreeSpot(*this);
            }
        } else if (sub == 1 && done) {
            SetSubTask(2, 0, 0);
        } else if (sub == 2 && done) {
            CarryToStock(*this, 0, 5, 0);
        } else if (sub == 5 && done) {
            if (stock) {
                stock->AddWood(1);
            }
            EndTask(true);
        }
        break;

    case 4:
        if (targetRock && (!targetRock->IsChoppable() || (sub <= 1 && targetRock->IsConsumed()))) {
            EndTask(false);
        } else if (sub == 0) {
            if (stock && stock->IsResourceMaxed(1)) {
                EndTask(false);
            } else {
                FindRockSpot(*this);
            }
        } else if (sub == 1 && done) {
            SetSubTask(3, 0, 0);
        } else if (sub == 3 && done) {
            CarryToStock(*this, 1, 6, 1);
        } else if (sub == 6 && done) {
            if (stock) {
                stock->AddRock(1);
            }
            EndTask(true);
        }
        break;

    case 3:
        if (sub == 0) {
            StartFishing(*this);
        } else if (sub == 1 && done) {
            diveTimer = 0;
            SetSubTask(8, 0, 0);
        } else if (sub == 8 && done) {
            if (!FishSuccess()) {
                EndTask(false);
                break;
            }
            int atX = Round(data.x), atY = Round(data.y);
            InverseOffsetByBodySize(atX, atY);
            CFish::DecreaseSizeOfNearestClump(atX, atY);
            CarryToStock(*this, 6, 7, 2);
        } else if (sub == 7 && done) {
            if (stock) {
                stock->AddFood(1, 0);
            }
            EndTask(true);
        }
        break;

    case 5:
        if (targetBuilding && targetBuilding->HasAllCompletionPoints()) {
            EndTask(false);
        } else if (sub == 0) {
            int atX, atY;
            if (CBuilding* site = FindSite(*this, atX, atY, false, false)) {
                if (site->HasAllCompletionPoints()) {
                    EndTask(false);
                } else {
                    AdjustHackCoordinates(atX, atY, workDirection);
                    SetSubTask(1, atX, atY);
                }
            }
        } else if (sub == 1 && done) {
            SetSubTask(4, 0, 0);
        } else if (sub == 4 && done) {
            EndTask(true);
        }
        break;

    case 6:
        if (targetBuilding && (targetBuilding->IsBeingDemolished() || targetBuilding->HasAllResources())) {
            EndTask(false);
        } else if (sub == 0) {
            if (!FindSite(*this, carryX, carryY, true, false)) {
                break;
            }
            if (!CanWeMoveTo(carryX, carryY)) {
                EndTask(false);
                break;
            }
            carryKind = targetBuilding->WhichResourceIsNeeded();
            if (StockOf(carryKind) < 1) {
                EndTask(false);
                break;
            }
            int atX = Round(data.x), atY = Round(data.y);
            GetPileCoordinates(atX, atY, carryKind);
            SetSubTask(1, atX, atY);
        } else if (sub == 1 && carryKind != -1 && StockOf(carryKind) < 1) {
            EndTask(false);
        } else if (sub == 1 && done) {
            const int kind = carryKind;
            if (stock) {
                kind == 1 ? stock->RemoveRock(1) : stock->RemoveWood(1);
            }
            if (SetSubTask(kind == 1 ? 6 : 5, carryX, carryY)) {
                carriedItem = kind;
            }
        } else if ((sub == 5 || sub == 6) && done) {
            if (targetBuilding) {
                targetBuilding->AddResource(1, carryKind);
            }
            EndTask(true);
        }
        break;

    case 7:
        if (sub == 0) {
            if (FindSite(*this, carryX, carryY, false, true)) {
                SetSubTask(1, carryX, carryY);
            }
        } else if (sub == 1 && !done && targetBuilding && targetBuilding->HasAllResources()) {
            EndTask(false);
        } else if (sub == 1 && done) {
            if (!targetBuilding) {
                EndTask(false);
                break;
            }
            carryKind = targetBuilding->WhichResourceIsNeeded();
            int atX = Round(data.x), atY = Round(data.y);
            GetPileCoordinates(atX, atY, carryKind);
            targetBuilding->AddResource(-1, carryKind);
            const int kind = carryKind;
            if (SetSubTask(kind == 1 ? 6 : 5, atX, atY)) {
                carriedItem = kind;
            }
        } else if ((sub == 5 || sub == 6) && done) {
            if (stock) {
                carryKind == 1 ? stock->AddRock(1) : stock->AddWood(1);
            }
            EndTask(true);
        }
        break;

    case 8:
        if (sub == 0) {
            int atX, atY;
            targetHut = CHut::FindAvailableHut(this, atX, atY, TakeUnderMouse(*this), false, true);
            if (atX == -1 || !targetHut) {
                EndTask(false);
            } else if (!SetSubTask(1, atX, atY)) {
                CHut::LeaveHut(this);
            }
        } else if (sub == 1 && done && targetHut) {
            EnterBuilding(*this, targetHut, true);
        } else if (sub == 1 && done) {
            HidePerson();
            SetSubTask(9, 0, 0);
        } else if (sub == 9 && done) {
            if (!finishSoon) {
                Remark(*this, RangedRandom(0, 9) == 0 ? 34000 + 2 * RangedRandom(0, 13)
                                                      : 34028 + 2 * RangedRandom(0, 25));
                SetWakingFace(*this);
            }
            LeaveHut(*this);
        }
        break;

    case 10:
        if (sub == 0) {
            if (hutTimer > 0) {
                movement->StopMovement();
                hutTimer--;
                break;
            }
            const bool mineSoon = finishSoon;
            const bool partnerSoon = partner && partner->finishSoon;
            int atX = -1, atY = -1;
            if (!partner || !partner->targetHut) {
                targetHut = CHut::FindAvailableHut(this, atX, atY, false, false, true);
                if (!targetHut) {
                    targetHut = CHut::FindAvailableHut(this, atX, atY, false, true, true);
                }
            } else {
                targetHut = partner->targetHut;
                atX = partner->subTaskX;
                atY = partner->subTaskY;
            }
            if (!targetHut || atX == -1) {
                EndTask(false);
                break;
            }
            finishSoon = mineSoon;
            if (partner) {
                partner->finishSoon = partnerSoon;
            }
            if (!SetSubTask(1, atX, atY)) {
                CHut::LeaveHut(this);
            }
        } else if (sub == 1 && done && targetHut) {
            EnterBuilding(*this, targetHut, true);
        } else if (sub == 1 && done) {
            HidePerson();
            hutTimer = partner && partner->hutTimer != 0 ? kSecondHutTimer : kLonelyHutTimer;
            SetSubTask(11, 0, 0);
        } else if (sub == 11 && done) {
            UnHidePerson();
            if (!finishSoon) {
                if (twinsBorn) {
                    twinsBorn = false;
                    Remark(*this, 34500);
                    if (partner) {
                        Remark(*partner, 34500);
                    }
                } else {
                    Remark(*this, 34080 + 2 * RangedRandom(0, 7));
                }
                const int k = (speechId - 34080) / 2;
                const bool smile = speechId >= 34080 && k >= 3 && k <= 5;
                ChangeEmotion(smile || RangedRandom(0, 1) == 0 ? SMILE : SURPRISED, kLongFace);
            }
            const bool wander = mayWander, keep = keepPartner;
            mayWander = false;
            keepPartner = true;
            LeaveHut(*this);
            mayWander = wander;
            keepPartner = keep;
        }
        break;

    case 9:
        if (sub == 0) {
            int atX = static_cast<int>(data.x), atY = static_cast<int>(data.y);
            CFlowerIndicator* marker = TakeUnderMouse(*this)
                                           ? CFlowerIndicator::FindCoords(atX, atY, workDirection, true)
                                           : CFlowerIndicator::FindClosestCoords(atX, atY, workDirection);
            if (!marker || SomeoneElseAt(*this, [&](const CPerson& o) { return o.targetFlowerMarker == marker; })) {
                EndTask(false);
                break;
            }
            if (isMale) {
                if (workDirection == 2) {
                    atX += 8;
                }
                AdjustHackCoordinates(atX, atY, workDirection);
            }
            targetFlowerMarker = marker;
            if (!SetSubTask(1, atX, atY)) {
                marker->CantReachFlower();
            }
        } else if (sub == 1 && done) {
            SetSubTask(10, 0, 0);
        } else if (sub == 10 && done) {
            CFlowerIndicator::PlaceFlower(targetFlowerMarker);
            EndTask(true);
            if (CFlowerIndicator::flowerIndicator.empty()) {
                WalkNearby(250, 150);
            }
        }
        break;

    case 16:
        if (sub == 0) {
            int atX = static_cast<int>(data.x), atY = static_cast<int>(data.y);
            CTreeIndicator* marker = CTreeIndicator::FindCoords(atX, atY, workDirection, TakeUnderMouse(*this));
            if (!marker || SomeoneElseAt(*this, [&](const CPerson& o) { return o.targetSaplingMarker == marker; })) {
                EndTask(false);
                break;
            }
            AdjustHackCoordinates(atX, atY, workDirection);
            targetSaplingMarker = marker;
            if (!SetSubTask(1, atX, atY)) {
                marker->CantReachTree();
            }
        } else if (sub == 1 && done) {
            SetSubTask(17, 0, 0);
        } else if (sub == 17 && done) {
            CTreeIndicator::GrowTree(targetSaplingMarker);
            EndTask(true);
        }
        break;

    case 11:
        if (sub == 0) {
            int atX = static_cast<int>(data.x), atY = static_cast<int>(data.y);
            if (!CScienceStation::FindWorkCoords(atX, atY, workDirection, TakeUnderMouse(*this))) {
                EndTask(false);
                break;
            }
            AdjustHackCoordinates(atX, atY, workDirection);
            SetSubTask(1, atX, atY);
        } else if (sub == 1 && done) {
            SetSubTask(12, 0, 0);
        } else if (sub == 12 && done) {
            constexpr int kPoints[3] = {1, 2, 4};
            CControllerScience::AddSciencePoints(kPoints[std::clamp(CControllerScience::GetLevelScience(), 0, 2)]);
            spacingDelay = 4;
            EndTask(true);
        }
        break;

    case 12:
        if (sub == 0) {
            int atX = static_cast<int>(data.x), atY = static_cast<int>(data.y);
            if (craftQueue.empty() ||
                !CCraftworks::FindWorkCoords(atX, atY, workDirection, TakeUnderMouse(*this), isMale)) {
                EndTask(false);
                break;
            }
            AdjustHackCoordinates(atX, atY, workDirection);
            SetSubTask(1, atX, atY);
        } else if (sub == 1 && done) {
            SetSubTask(13, 0, 0);
        } else if (sub == 13 && done) {
            if (craftQueue.empty()) {
                spacingDelay = 0;
            } else {
                craft_data& order = craftQueue.front();
                order.progress++;
                if (order.progress >= order.workNeeded) {
                    pickupQueue.push_back(order);
                    craftQueue.erase(craftQueue.begin());
                }
                spacingDelay = 4;
            }
            EndTask(true);
        }
        break;

    case 13:
        if (targetBuilding && Unusable(targetBuilding)) {
            EndTask(false);
        } else if (sub == 0) {
            if (!stock || stock->GetFood(-1) < 1) {
                EndTask(false);
                break;
            }
            int atX = Round(data.x), atY = Round(data.y);
            GetPileCoordinates(atX, atY, 2);
            SetSubTask(1, atX, atY);
        } else if (sub == 1 && done) {
            carryX = static_cast<int>(data.x);
            carryY = static_cast<int>(data.y);
            targetBuilding = CFireplace::FindWorkCoords(carryX, carryY, workDirection, true);
            if (!CFireplace::IsBurning()) {
                EndTask(false);
                waitingForFire = true;
            } else if (!targetBuilding || !CanWeMoveTo(carryX, carryY) || !stock || stock->GetFood(-1) < 1) {
                EndTask(false);
            } else {
                const int kind = stock->RemoveFood(1, -2);
                if (SetSubTask(7, carryX, carryY)) {
                    carriedItem = std::max(0, kind) + 2;
                }
            }
        } else if (sub == 7 && done) {
            carriedItem = -1;
            SetSubTask(14, 0, 0);
        } else if (sub == 14 && done) {
            if (CFireplace::IsBurning()) {
                data.food = std::min(kFull, std::max(0, data.food) + kMeal);
            }
            EndTask(false);
        }
        break;

    case 14:
        if (targetFarm && (targetFarm->IsBeingDemolished() || targetFarm->IsGrowing())) {
            EndTask(false);
        } else if (sub == 0) {
            int atX = static_cast<int>(data.x), atY = static_cast<int>(data.y);
            targetFarm = CFarm::FindWorkCoords(atX, atY, workDirection, TakeUnderMouse(*this));
            if (!targetFarm) {
                EndTask(false);
                break;
            }
            AdjustHackCoordinates(atX, atY, workDirection);
            SetSubTask(1, atX, atY);
        } else if (sub == 1 && done) {
            SetSubTask(15, 0, 0);
        } else if (sub == 15 && done) {
            spacingDelay = 4;
            EndTask(true);
        }
        break;

    case 15:
        if (targetFarm && (targetFarm->IsBeingDemolished() || !targetFarm->ReadyForHarvest())) {
            EndTask(false);
        } else if (sub == 0) {
            if (stock && stock->IsResourceMaxed(6)) {
                EndTask(false);
                break;
            }
            int atX = static_cast<int>(data.x), atY = static_cast<int>(data.y), plot = -1;
            CFarm* farm = CFarm::FindHarvestCoords(atX, atY, plot, TakeUnderMouse(*this));
            if (!farm || SomeoneElseAt(*this, [&](const CPerson& o) {
                    return o.targetFarm == farm && o.workDirection == plot;
                })) {
                EndTask(false);
                break;
            }
            if (isMale) {
                atX -= 3;
                atY += 9;
            }
            targetFarm = farm;
            workDirection = plot;
            SetSubTask(1, atX, atY);
        } else if (sub == 1 && done) {
            // Someone may have harvested the plot while this one walked.
            const bool stillRipe = targetFarm && targetFarm->IsRipe(workDirection);
            const bool taken = SomeoneElseAt(*this, [&](const CPerson& o) {
                return o.targetFarm == targetFarm && o.workDirection == workDirection && o.carriedItem >= 3;
            });
            if (!stillRipe || taken) {
                EndTask(false);
                break;
            }
            const int plotHarvested = workDirection;
            targetFarm->RemoveVegetable(plotHarvested);
            CarryToStock(*this, 6, 16, targetFarm->GetVeggieType(plotHarvested));
        } else if (sub == 16 && done) {
            if (stock) {
                stock->AddFood(1, carriedItem == 4 ? 2 : carriedItem == 5 ? 3 : 1);
            }
            EndTask(true);
        }
        break;

    case 18:
        if (CCraftworks::numCraftworks < 1 && sub == 0) {
            EndTask(false);
        } else if (sub == 0) {
            const int me = GetID();
            const bool ordered = std::any_of(pickupQueue.begin(), pickupQueue.end(),
                                             [me](const craft_data& order) { return order.islanderId == me; });
            int atX = -1, atY = -1;
            targetCraftworks = ordered ? CCraftworks::FindAvailableCraftworks(atX, atY) : nullptr;
            if (!targetCraftworks || atX == -1) {
                EndTask(false);
                break;
            }
            ClothesTutorial(*this, 93, 94);
            SetSubTask(1, atX, atY);
        } else if (sub == 1 && done && targetCraftworks) {
            EnterBuilding(*this, targetCraftworks, false);
        } else if (sub == 1 && done && !targetHut) {
            const int me = GetID();
            auto order = std::find_if(pickupQueue.begin(), pickupQueue.end(),
                                      [me](const craft_data& each) { return each.islanderId == me; });
            if (order != pickupQueue.end()) {
                const craft_data clothes = *order;
                pickupQueue.erase(order);
                ChangeClothes(clothes);
            }
            CControllerTrophies::CompleteTrophy(kClothesTrophy);
            ClothesTutorial(*this, 94, 95);
            WalkOutOf(*this, false, false);
        }
        break;

    default:
        break;
    }
}
