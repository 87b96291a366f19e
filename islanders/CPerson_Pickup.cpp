// The islanders' side of the pincer: finding the islander under the mouse,
// grabbing it, and what letting go of it over an object sets to work.
#include "CPerson.h"

#include "CBuilding.h"
#include "CController.h"
#include "CControllerGame.h"
#include "CCrateBarrel.h"
#include "CFlowerIndicator.h"
#include "CInput.h"
#include "CMap.h"
#include "CPersonMovement.h"
#include "CProfile.h"
#include "CResources.h"
#include "CSound.h"
#include "CSprite.h"
#include "CStone.h"
#include "CTree.h"
#include "CTreeIndicator.h"
#include "CTutorialDialog.h"
#include "Utilities.h"

namespace {

constexpr int kFirstCrateOpened = 38;
constexpr int kTutorialsOn = 67;
constexpr int kCarryNoticeShown = 68;
constexpr int kHutNoticeShown = 69;
constexpr int kCarryNotice = 12312, kHutNotice = 12313;
constexpr int kPileFoodNotice = 12308;
constexpr int kShallowNotice = 12215;
constexpr int kWoodFull = 12309, kRockFull = 12310, kFoodFull = 12311;
constexpr int kNotOnCrateTip = 15010, kDeepWaterTip = 15009;
constexpr int kRemarkFrames = 1200, kPairRemarkFrames = 400, kFishRemarkFrames = 300;
constexpr int kStayTogether = 450;

// Two who just met stay together a while before wandering off again.
void StayTogether(CPerson& person)
{
    (person.IsKid() ? person.kidWanderTimer : person.wanderTimer) = kStayTogether;
}
constexpr int kAttempts = 16;
constexpr int kBoxWidth = 34, kBoxHeight = 85, kBoxAbove = 20;

enum Face { SMILE = 0, NEUTRAL = 1, ANGRY = 2, SURPRISED = 4 };

bool ProfileBool(int key)
{
    return CProfile::current && CProfile::current->GetValue<bool>(key);
}

void NoticeAbout(CPerson& person, int id, bool withName)
{
    CObject::requestingFeedback = &person;
    CObject::requestingFeedbackData = feedback_data{};
    CObject::requestingFeedbackData.id = id;
    if (withName) {
        CObject::requestingFeedbackData.insert[0] = person.GetASCIIName();
    }
    CObject::requestingFeedbackData.noticeOnly = 1;
}

coordinate MapOffset()
{
    CMap* island = CControllerGame::island;
    return island ? coordinate{island->offsetX, island->offsetY} : coordinate{0, 0};
}

coordinate WorldMouse()
{
    const coordinate offset = MapOffset();
    const int mx = CController::input ? CController::input->mouseX : 0;
    const int my = CController::input ? CController::input->mouseY : 0;
    return {mx - offset.x, my - offset.y};
}

// A grab is heard every time, over one that still sounds.
void PlayAfresh(CSound* sound)
{
    if (sound) {
        sound->Play(false, 0, 0.0f, false);
    }
}

void PlayOnce(CSound* sound)
{
    if (sound && !sound->IsPlaying()) {
        PlayAfresh(sound);
    }
}

bool In(int id, std::initializer_list<int> ids)
{
    for (int each : ids) {
        if (each == id) {
            return true;
        }
    }
    return false;
}

bool InRange(int id, int first, int last)
{
    return id >= first && id <= last;
}

// A remark between two islanders: both stay together a while and the one
// dropped steps aside.
bool RemarkOnIslander(CPerson& held, CPerson& other)
{
    const bool heldAdult = !held.IsBaby() && !held.IsKid();
    int id = -1;
    if (heldAdult && other.IsKid()) {
        id = 34220 + 2 * RangedRandom(0, 91);
        if (InRange(id, 34220, 34230)) {
            held.ChangeEmotion(SMILE, 99999);
        } else if (In(id, {34310, 34312, 34314, 34316, 34320, 34328, 34334, 34370, 34372, 34376, 34378, 34388})) {
            constexpr int kFaces[3] = {SURPRISED, SMILE, NEUTRAL};
            held.ChangeEmotion(kFaces[RangedRandom(0, 2)], 99999);
        } else if (In(id, {34324, 34332, 34342, 34344, 34350, 34364, 34398, 34402})) {
            held.ChangeEmotion(RangedRandom(0, 1) == 0 ? SURPRISED : SMILE, 99999);
        }
        StayTogether(held);
        other.EndTask(false);
        other.ChangeEmotion(SMILE, 99999);
        const bool surprised = InRange(id, 34304, 34316) || In(id, {34320, 34322, 34334, 34340, 34346, 34348, 34356,
                                                                     34360, 34362, 34400}) ||
                               InRange(id, 34326, 34330) || InRange(id, 34366, 34396);
        if (surprised) {
            other.ChangeEmotion(SURPRISED, 99999);
        } else if (id == 34318) {
            other.ChangeEmotion(NEUTRAL, 99999);
        }
        StayTogether(other);
    } else if (heldAdult && other.IsBaby()) {
        id = 34404 + 2 * RangedRandom(0, 13);
        StayTogether(held);
        held.ChangeEmotion(SMILE, 99999);
    } else if (held.IsKid() && !other.IsBaby() && !other.IsKid()) {
        id = 34432 + 2 * RangedRandom(0, 13);
        StayTogether(held);
        StayTogether(other);
        held.ChangeEmotion(RangedRandom(0, 1) == 1 ? SURPRISED : SMILE, 99999);
    } else if (held.IsKid() && other.IsBaby()) {
        id = 34460 + 2 * RangedRandom(0, 14);
        StayTogether(held);
        constexpr int kFaces[3] = {SURPRISED, ANGRY, NEUTRAL};
        held.ChangeEmotion(id > 34480 ? kFaces[RangedRandom(0, 2)] : SMILE, 99999);
    }
    if (id == -1) {
        return false;
    }
    held.speechId = id;
    held.speechName = other.GetASCIIName();
    held.speechTimer = kPairRemarkFrames;
    held.pickedUp = false;
    held.excluded = false;
    held.WalkNearby(40, 30);
    return true;
}

// A kid over a work place says something about it.
void KidRemarkOn(CPerson& kid, CObject& target)
{
    const bool unfinished = target.isBuilding && !static_cast<CBuilding&>(target).IsComplete();
    if (!(target.isTree || target.isRock || target.isScienceStation || target.isCraftworks || unfinished ||
          target.isGarden)) {
        return;
    }
    if (RangedRandom(0, 2) != 0) {
        kid.speechId = 34096 + 2 * RangedRandom(0, 10);
    } else {
        int id = 34096;
        if (target.isTree) id = 34118;
        if (target.isRock) id = 34120;
        if (unfinished) id = 34122;
        if (target.isGarden) id = 34124;
        if (target.isScienceStation) id = 34126;
        if (target.isCraftworks) id = 34128;
        kid.speechId = id;
    }
    constexpr int kFaces[3] = {SURPRISED, SMILE, NEUTRAL};
    kid.ChangeEmotion(kFaces[RangedRandom(0, 2)], 99999);
    kid.speechTimer = kRemarkFrames;
}

void TutorialStepAfter(int done, int next)
{
    if (CTutorialDialog::IsTutorialComplete(done)) {
        CTutorialDialog::CompleteTutorial(next);
    }
}

}  // namespace

CPerson* CPerson::FindPickup(int atX, int atY)
{
    for (CPerson* person : people) {
        int z = 0;
        if (!person->deleteMe && person->IsAtCoords(z, atX, atY)) {
            return person;
        }
    }
    return nullptr;
}

bool CPerson::IsAtCoords(int& z, int atX, int atY)
{
    coordinate world{atX, atY};
    if (atX == -1 || atY == -1) {
        world = WorldMouse();
    }
    const coordinate offset = MapOffset();
    const int px = world.x + offset.x, py = world.y + offset.y;
    CSprite* body = bodySet ? bodySet->entry[bodyDirection].sprite : nullptr;
    if (!body) {
        // No pictures (a test without a drawing context): only the box, at
        // the place the body would be drawn, and never inside a hut.
        const body_view view = DescribeBody();
        const int left = Round(data.x) + view.offsetX + view.width / 2 - kBoxWidth / 2;
        const int top = Round(data.y) + view.offsetY - kBoxAbove;
        if (currentSubTask == 9 || currentSubTask == 11 ||
            !PointInRectangle(world.x, world.y, left, top, kBoxWidth, kBoxHeight)) {
            return false;
        }
        z = pickedUp ? bodyZ : Round((data.y + view.offsetY + view.height) * 2000.0f) + personalZGap;
        return true;
    }
    // A generous box round the body first, so that a press near a thin
    // figure still grips it; inside a hut the building answers instead.
    if (currentSubTask != 9 && currentSubTask != 11 &&
        PointInRectangle(px, py, body->GetX() + body->GetW() / 2 - kBoxWidth / 2, body->GetY() - kBoxAbove,
                         kBoxWidth, kBoxHeight)) {
        z = body->GetZ();
        return true;
    }
    // Then every drawn pixel of the figure: a head or a garment that
    // reaches past the box grips too. Hidden layers never answer.
    CSprite* layers[4] = {body, headImages && headFrame >= 0 ? headImages[headFrame] : nullptr,
                          topSet ? topSet->entry[bodyDirection].sprite : nullptr,
                          bottomSet ? bottomSet->entry[bodyDirection].sprite : nullptr};
    for (CSprite* layer : layers) {
        if (layer && layer->IsCollisionPixelPerfect(px, py)) {
            z = layer->GetZ();
            return true;
        }
    }
    return false;
}

void CPerson::Clicked()
{
    if (selectedObject != this) {
        if (IsBaby()) {
            PlayOnce(sndBaby[RangedRandom(0, 4)]);
        } else if (IsKid()) {
            PlayOnce(sndKid[RangedRandom(0, 4)]);
        }
    }
    selectedObject = this;
}

void CPerson::Rollover(bool over)
{
    if (didRollover == this) {
        for (CSprite* ring : {sRolloverBaby, sRolloverKid, sRolloverAdult}) {
            if (ring) {
                ring->Hide();
            }
        }
        didRollover = nullptr;
    }
    if (!over) {
        return;
    }
    CSprite* ring = IsBaby() ? sRolloverBaby : IsKid() ? sRolloverKid : sRolloverAdult;
    if (ring) {
        ring->Move(Round(data.x) + lastOffsetX + selectionOffsetX, Round(data.y) + lastOffsetY + selectionOffsetY);
        ring->UnHide();
    }
    didRollover = this;
}

void CPerson::Pickup()
{
    if (grabGuard) {
        return;
    }
    grabGuard = true;
    if (pickedUp) {
        EndTask(false);
        return;
    }
    if (CControllerGame::island) {
        CControllerGame::island->StopCenteringScreen();
    }
    const bool carrying = currentSubTask == 5 || currentSubTask == 6 || currentSubTask == 7 || currentSubTask == 16;
    if (carrying && CProfile::current && !ProfileBool(kCarryNoticeShown)) {
        CProfile::current->SetValue<bool>(kCarryNoticeShown, true);
        NoticeAbout(*this, kCarryNotice, true);
        return;
    }
    if (!carrying && currentTask == 10 && CProfile::current && !ProfileBool(kHutNoticeShown)) {
        CProfile::current->SetValue<bool>(kHutNoticeShown, true);
        NoticeAbout(*this, kHutNotice, true);
        return;
    }
    PlayAfresh(sndGrab);
    if (!IsBaby() && !IsKid()) {
        const int voiceNumber = data.voice >= 0 && data.voice < 6 ? data.voice : 0;
        PlayAfresh(isMale ? sndMaleHuh[voiceNumber][voiceToggle] : sndFemaleHuh[voiceNumber][voiceToggle]);
        voiceToggle = (voiceToggle + 1) % 2;
    }
    EndTask(false);
    pickedUp = true;
    excluded = true;
}

void CPerson::Drop()
{
    const bool held = pickedUp;
    CObject* target = FindObjectAt(-1, -1, false, true);
    CPerson* other = target && target->isPerson ? static_cast<CPerson*>(target) : nullptr;
    if (other && !IsBaby() && RemarkOnIslander(*this, *other)) {
        return;
    }

    // Where the feet come down: land thuds, water splashes.
    float depth = 1.0f;
    coordinate dropPoint = WorldMouse();
    if (held) {
        const body_view body = DescribeBody();
        dropPoint = {Round(data.x + body.offsetX + body.width / 2.0f), Round(data.y + body.offsetY + 24.0f)};
        CMap* island = CControllerGame::island;
        depth = island ? island->GetDepth(dropPoint.x, dropPoint.y, 50) : 1.0f;
        if (depth >= 0.975f) {
            PlayOnce(sndDrop);
        } else if (!sndSplash || !sndSplash->IsPlaying()) {
            if (sndSplash) {
                sndSplash->Play(false, 0, 0.0f, false);
            }
            splashX = Round(data.x + body.offsetX) - 22;
            const int bottom = Round(data.y + body.offsetY) + body.height;
            splashY = bottom - (IsBaby() ? 48 : IsKid() ? 72 : 88);
            if (splashSprite) {
                splashSprite->UnHide();
                splashSprite->ResetStart();
                splashSprite->PlayForward();
            }
        }
    }
    if (IsBaby() && depth <= 0.75f) {
        speechId = 34490 + 2 * RangedRandom(0, 4);
        speechTimer = kRemarkFrames;
    }

    auto release = [this]() {
        movement->HandleCollisions(false);
        pickedUp = false;
        excluded = false;
    };

    const bool adult = !IsBaby() && !IsKid();
    if (!adult) {
        if (!target) {
            release();
            return;
        }
        if (IsKid()) {
            KidRemarkOn(*this, *target);
        }
        if (!(IsKid() && (target->isDust || target->isFind))) {
            // Work the child was set to (a tree, a rock, a site, the pile)
            // raises the lesson that children do not work; another islander,
            // a find or dust is only where it was let go.
            if (!target->isPerson && !target->isFind && !target->isDust) {
                bool askedFood = false;
                if (target->isResourceStore) {
                    askedFood = CObject::DropOn() == 13;
                    if (askedFood) {
                        NoticeAbout(*this, kPileFoodNotice, false);
                    }
                }
                CControllerGame* game = CControllerGame::game;
                if (game && game->pendingTutorial == -1 && !askedFood && !CTutorialDialog::IsTutorialComplete(86)) {
                    game->pendingTutorial = 86;
                    selectedObject = this;
                }
            }
            release();
            return;
        }
    }

    if (!ProfileBool(kFirstCrateOpened)) {
        if (target && target->isCrate) {
            CObject::DropOn();
        } else if (target && held) {
            CController::PlayDisallowed();
            if (CCrateBarrel* crate = CCrateBarrel::currentContainer) {
                crate->CenterScreen();
                selectedObject = crate;
            }
            ToolTip(kNotOnCrateTip);
        }
        release();
        return;
    }
    if (!held) {
        return;
    }
    if (target && target->isFind) {
        if (target->isMushroom) {
            speechId = 34150 + 2 * RangedRandom(0, 9);
        } else if (target->isGuano) {
            speechId = 34170 + 2 * RangedRandom(0, 12);
        } else if (target->isRelic) {
            speechId = 34196 + 2 * RangedRandom(0, 11);
        }
        speechTimer = kRemarkFrames;
    }

    int task = CObject::DropOn();
    if (adult && task == 17) {
        task = 0;
    }
    if (!adult || task == 0) {
        CResources* stock = CControllerGame::Resources();
        task = 0;
        if (depth < 0.5f) {
            data.fishingX = dropPoint.x;
            data.fishingY = dropPoint.y;
            TutorialStepAfter(10, 11);
            if (adult && stock && !stock->IsResourceMaxed(6)) {
                speechId = 34130 + 2 * RangedRandom(0, 9);
                speechTimer = kFishRemarkFrames;
            }
            task = 3;
        } else if (depth < 0.99f && adult) {
            if (CTutorialDialog::IsTutorialComplete(10) && !CTutorialDialog::IsTutorialComplete(11)) {
                NoticeAbout(*this, kShallowNotice, true);
            } else {
                ToolTip(kDeepWaterTip);
            }
        }
    }
    if (task < 0 || task >= kTaskCount) {
        task = 0;
    }

    PermitTask(task, true);
    release();

    switch (task) {
    case 2:
    case 4:
    case 5:
    case 9:
    case 16:
        if (!AttemptTaskRepeatedly(task, true)) {
            // Someone already at the object keeps it from us: they stop, we go.
            int atX = Round(data.x), atY = Round(data.y), side = -1, spot = -1;
            if (task == 2) {
                if (CTree* tree = CTree::FindTreeCoords(atX, atY, side, true)) {
                    StopEveryoneHacking(tree);
                }
            } else if (task == 4) {
                if (CStone* rock = CStone::FindRockCoords(atX, atY, side, true)) {
                    StopEveryoneHacking(rock);
                }
            } else if (task == 5) {
                if (CBuilding* site = CBuilding::FindCoords(atX, atY, side, spot, false, false, true)) {
                    StopEveryoneHacking(site);
                }
            } else if (task == 9) {
                if (CFlowerIndicator* marker = CFlowerIndicator::FindCoords(atX, atY, side, true)) {
                    StopEveryoneHacking(marker);
                }
            } else if (CTreeIndicator* sapling = CTreeIndicator::FindCoords(atX, atY, side, true)) {
                StopEveryoneHacking(sapling);
            }
            AttemptTaskRepeatedly(task, true);
        }
        break;
    case 3:
    case 8:
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
        EndTask(false);
        targetUnderMouse = true;
        ChangeTask(task);
        PumpTask();
        break;
    default:
        break;
    }

    CControllerGame* game = CControllerGame::game;
    if (task == 5 || task == 6) {
        TutorialStepAfter(26, 27);
    } else if (task == 4) {
        TutorialStepAfter(27, 28);
    } else if (task == 9) {
        TutorialStepAfter(67, 68);
    } else if (task == 11) {
        TutorialStepAfter(51, 52);
    } else if (task == 12 && game && (game->pendingTutorial == -1 || game->pendingTutorial == 92) &&
               ProfileBool(kTutorialsOn) && !CTutorialDialog::IsTutorialComplete(92)) {
        CTutorialDialog::CompleteTutorial(92);
        game->pendingTutorial = 93;
        game->pendingDelay = 0;
        selectedObject = this;
    }

    sentByPlayer = In(task, {2, 4, 5, 9, 11, 12, 13, 14, 16}) && currentTask != 0;

    CResources* stock = CControllerGame::Resources();
    if (stock) {
        if (task == 2 && stock->IsResourceMaxed(0)) {
            NoticeAbout(*this, kWoodFull, true);
        } else if (task == 4 && stock->IsResourceMaxed(1)) {
            NoticeAbout(*this, kRockFull, true);
        } else if ((task == 3 || task == 14) && stock->IsResourceMaxed(6)) {
            NoticeAbout(*this, kFoodFull, true);
        }
    }
}
