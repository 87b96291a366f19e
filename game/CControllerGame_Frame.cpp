// One game frame: input, the guards against a stalled or slow machine, the
// island and its world objects, the autosave, the pop-ups that world objects
// and the game itself ask for, and the catch-up frames after a return.
#include "CControllerGame.h"

#include "CBuilding.h"
#include "CControllerCrate.h"
#include "CControllerEndStory.h"
#include "CControllerIslandSelect.h"
#include "CControllerScience.h"
#include "CControllerTrophies.h"
#include "CControllerTrophyUnlock.h"
#include "CControllerPopUp.h"
#include "CCraftworks.h"
#include "CDraw.h"
#include "CDust.h"
#include "CFlyaway.h"
#include "CFlowerIndicator.h"
#include "CGuiFlowers.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CObject.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CResources.h"
#include "CRipple.h"
#include "CSidebar.h"
#include "CSound.h"
#include "CTreeIndicator.h"
#include "CTutorialDialog.h"

#include <SDL.h>

namespace {

constexpr unsigned int kStallMs = 60000;
constexpr int kSlowFps = 19;
constexpr int kSlowFramesAllowed = 300;
constexpr int kSettleFrames = 3;
constexpr int kAutosaveFrames = 3600;
constexpr int kFirstGameNoticeFrames = 72000;
constexpr int kOwnPopUpDepth = 27000000;
constexpr int kSlowMachineQuestion = 12357, kFirstGameNotice = 12350, kEndTutorialQuestion = 12214;
constexpr int kEraserTip = 15004, kPaintingTip = 15005;
constexpr int kPlacementRefusedNotice = 12307, kDeathWhileAwayNotice = 12353;
// What loading left out of the game that goes on, each told once. Copies of
// a key that differ are told over the main menu instead, before play can
// lead anywhere: the first copy may say no game is under way.
struct save_notice {
    CProfile::SaveNotice notice;
    int stringId;
    int uncopiedStringId;  // when no copy of the damage could be kept
};
constexpr save_notice kSaveNotices[] = {{CProfile::kRecordsGivenUp, 12128, 12122}};
constexpr int kStep76Frames = 3000;
constexpr int kDialogGivesUpFrames = 3600, kFoodPileTourFrames = 120;
// Dialogs that close themselves, done, after two minutes open.
constexpr int kStepsThatGiveUp[] = {3,  6,  7,  8,  10, 12, 15, 18, 29, 30, 34,
                                    39, 40, 47, 51, 59, 60, 63, 69, 71, 72};

constexpr int kVisualEffectsProperty = 7;
constexpr int kGameUnderWayProperty = 31;
constexpr int kNarrationProperty = 66;
constexpr int kTutorialOnProperty = 67;
constexpr int kFirstGameNoticeShownProperty = 70;
constexpr int kSlowMachineAskedProperty = 75;

selection_result Tip(int id)
{
    selection_result tip{};
    tip.id = id;
    return tip;
}

}  // namespace

bool CControllerGame::Stalled(unsigned int now, unsigned int lastFrame)
{
    return lastFrame != 0 && now - lastFrame > kStallMs;
}

void CControllerGame::Pump()
{
    int caughtUp = 0;
    while (RunFrame()) {
        if (catchUpFrames < 1) {
            CPerson::showFlyaways = true;
            CMouseCursor::ShowMouse();
            break;
        }
        slowFrames = 0;
        if (catchUpFrames == 1) {
            CRipple::Unload();
            if (island) {
                island->HideRain();
            }
        }
        CPerson::showFlyaways = false;
        catchUpFrames--;
        caughtUp++;
    }
    for (int i = 0; i < caughtUp; i++) {
        CMouseCursor::ShowMouse();
    }
}

bool CControllerGame::RunFrame()
{
    CProfile* profile = CProfile::current;
    if (catchUpFrames < 1) {
        GetInput();
    }
    if (!hasFocus) {
        return false;
    }

    const unsigned int now = SDL_GetTicks();
    if (Stalled(now, lastFrameTicks)) {
        stallSeconds = static_cast<int>((SDL_GetTicks() - lastFrameTicks) / 1000);
        ShutDown(1);
        return false;
    }
    lastFrameTicks = now;

    if (profile->GetValue<bool>(kVisualEffectsProperty) && !profile->GetValue<bool>(kSlowMachineAskedProperty) &&
        draw && draw->GetCurrentFPS() <= kSlowFps) {
        if (++slowFrames > kSlowFramesAllowed) {
            popUpPurpose = 2;
            profile->SetValue<bool>(kSlowMachineAskedProperty, true);
            OpenPopUp(kSlowMachineQuestion, false, kOwnPopUpDepth, false);
            return false;
        }
    }

    int offsetX = 0, offsetY = 0;
    if (island) {
        island->Pump();
        offsetX = island->offsetX;
        offsetY = island->offsetY;
    }
    sidebar->Pump(!(island && island->dragActive && !island->pressOverPanel));
    flowers->Pump();
    CObject::MoveObjects(offsetX, offsetY, 1);
    CFlyaway::PumpFlyaways();
    if (!hasFocus) {
        return false;
    }
    if (CControllerIslandSelect::movingTarrow) {
        ShutDown(0);
        return false;
    }

    TimeTutorialDialogs();
    lastDustPickup++;
    frameCount++;
    if (frameCount > kStep76Frames && pendingTutorial == -1 && profile->GetValue<bool>(kTutorialOnProperty) &&
        CControllerScience::GetLevelAgriculture() < 2 && !CTutorialDialog::IsTutorialComplete(76) &&
        profile->GetValue<bool>(kGameUnderWayProperty)) {
        pendingTutorial = 76;
    }
    if (frameCount % kAutosaveFrames == 0) {
        if (island) {
            island->SaveMap();
        }
        profile->SaveHeader();
    }
    if (pendingTutorial == -1) {
        RaiseTutorialSteps();
    }

    FollowSelectedIslander();
    if (OpenRequestedPopUp()) {
        return false;
    }
    if (CBuilding::placementFailed) {
        CBuilding::placementFailed = false;
        OpenPopUp(kPlacementRefusedNotice, true, kOwnPopUpDepth, false);
        return false;
    }
    const bool settled = catchUpFrames < 1 && hasFocus && settleFrames >= kSettleFrames;
    if (CPerson::stoppedSimForDeath && settled && CControllerScience::GetLevelAgriculture() < 2 &&
        CPerson::NumPeople() > 0) {
        CPerson::stoppedSimForDeath = false;
        OpenPopUp(kDeathWhileAwayNotice, true, kOwnPopUpDepth, false);
        return false;
    }
    for (const save_notice& due : kSaveNotices) {
        if (settled && profile->NoticeDue(due.notice)) {
            const int stringId = profile->NoticeCopyKept(due.notice) ? due.stringId : due.uncopiedStringId;
            profile->NoticeShown(due.notice);
            OpenPopUp(stringId, true, kOwnPopUpDepth, false);
            return false;
        }
    }
    if (CBuilding::setSail && settled) {
        CBuilding::setSail = false;
        HandOver(true);
        endStory = new CControllerEndStory();
        PassFocus(endStory);
        return false;
    }
    if (frameCount > kFirstGameNoticeFrames && !profile->GetValue<bool>(kGameUnderWayProperty) &&
        !profile->GetValue<bool>(kFirstGameNoticeShownProperty)) {
        profile->SetValue<bool>(kFirstGameNoticeShownProperty, true);
        OpenPopUp(kFirstGameNotice, true, kOwnPopUpDepth, false);
        return false;
    }

    AnimateDust();

    if (eraserMode) {
        SetToolTipMessage(Tip(kEraserTip), 2);
    }
    if (sprayMode && CFlowerIndicator::GetFlowerPlacementType() != -1) {
        CFlowerIndicator::MouseMove();
    }
    if (CFlowerIndicator::GetFlowerPlacementType() != -1) {
        SetToolTipMessage(Tip(kPaintingTip), 2);
    }
    if (pickupCandidate || tombstoneCandidate) {
        CloseFlowersGUI();
    }
    const bool placing = CFlowerIndicator::placingFlowers != -1 || CTreeIndicator::placingTrees != -1;
    if (island) {
        island->placingFlowersOrTrees = placing;
    }
    if (placing) {
        CObject::selectedObject = nullptr;
    }

    RunIslandEvents();
    if (OpenTrophyPopUp()) {
        return false;
    }
    if (catchUpFrames < 1) {
        settleFrames++;
    }
    RotWood();
    if (endTutorialRequested) {
        PlayClick();
        endTutorialRequested = false;
        OpenPopUp(kEndTutorialQuestion, false, -1, true);
        popUpPurpose = 1;
        return false;
    }
    if (pendingTutorial != -1 && !CControllerTrophies::trophyUnlockQueue.empty()) {
        pendingTutorial = -1;
    }
    RunTutorialScript();
    return true;
}

bool CControllerGame::OpenTrophyPopUp()
{
    std::queue<int>& queue = CControllerTrophies::trophyUnlockQueue;
    // A mask that names no trophy would open an empty pop-up.
    while (!queue.empty() && CControllerTrophyUnlock::TrophyIndex(queue.front()) < 0) {
        queue.pop();
    }
    if (queue.empty() || catchUpFrames >= 1 || !hasFocus || settleFrames < kSettleFrames) {
        return false;
    }
    StopTwinkle();
    if (renderer) {
        renderer->Swap();
    }
    trophyUnlock = new CControllerTrophyUnlock(queue.front());
    queue.pop();
    PassFocus(trophyUnlock);
    return true;
}

void CControllerGame::TimeTutorialDialogs()
{
    framesSinceDialog++;
    CTutorialDialog* dialog = CTutorialDialog::activeDialog;
    if (!dialog) {
        return;
    }
    const int step = dialog->GetTutID();
    if (framesSinceDialog > kDialogGivesUpFrames) {
        for (int givesUp : kStepsThatGiveUp) {
            if (step == givesUp) {
                CTutorialDialog::CompleteTutorial(step);
                return;
            }
        }
    }
    if (framesSinceDialog == kFoodPileTourFrames && step == 12 && island) {
        followedObject = nullptr;
        island->StopCenteringScreen();
        CObject::selectedObject = nullptr;
        CResources* stock = Resources();
        island->CenterScreen(stock->GetPileX(2), stock->GetPileY(2), false, false, false);
    }
}

void CControllerGame::RaiseTutorialSteps()
{
    CProfile* profile = CProfile::current;
    const bool tutorialOn = profile->GetValue<bool>(kTutorialOnProperty);
    auto undone = [](int step) { return !CTutorialDialog::IsTutorialComplete(step); };
    auto selectAndShow = [this](CObject* object) {
        CObject::selectedObject = object;
        if (island) {
            island->StopCenteringScreen();
            island->CenterScreen(object->GetX(), object->GetY(), false, false, false);
        }
        pendingDelay = -1;
    };
    if (tutorialOn) {
        CResources* stock = Resources();
        if (stock->IsResourceMaxed(6) && undone(96)) {
            pendingTutorial = 96;
        }
        if (stock->IsResourceMaxed(0) && undone(97)) {
            pendingTutorial = 97;
        }
        if (stock->IsResourceMaxed(1) && undone(98)) {
            pendingTutorial = 98;
        }
    }
    if (pendingTutorial == -1 && tutorialOn && CCraftworks::AnyUseableCraftworks() && undone(88)) {
        // The lesson points at the craftworks while the view glides there;
        // its reopening delay stays as it is.
        CCraftworks* craftworks = CCraftworks::GetUseableCraftworks();
        pendingTutorial = 88;
        CObject::selectedObject = craftworks;
        if (island) {
            island->CenterScreen(craftworks->GetX(), craftworks->GetY(), false, false, false);
        }
    }
    struct finished_building {
        CBuilding* building;
        int step;
        bool tutorialOnly;
    };
    const finished_building finished[] = {
        {CBuilding::isCompleteShipyard, 99, false},     {CBuilding::isCompleteShip, 100, false},
        {CBuilding::isCompleteFarm, 101, true},         {CBuilding::isCompleteObservatory, 102, false},
        {CBuilding::isCompleteWonderA, 103, false},     {CBuilding::isCompleteWonderB, 104, false}};
    for (const finished_building& f : finished) {
        if (pendingTutorial != -1 || !f.building || (f.tutorialOnly && !tutorialOn) || !undone(f.step)) {
            continue;
        }
        if (f.step == 102) {
            if (!CDust::sndObservatory) {
                CDust::sndObservatory = new CSound("observatory_alert.ogg", false, 1.0f, false);
            }
            CDust::sndObservatory->Play(false, profile->GetValue<bool>(kNarrationProperty) ? 360 : 0, 0.0f, false);
        }
        pendingTutorial = f.step;
        selectAndShow(f.building);
    }
    if (pendingTutorial == -1 && tutorialOn && CPerson::isMasterOfSkill && undone(81)) {
        pendingTutorial = 81;
        CObject::selectedObject = CPerson::isMasterOfSkill;
    }
    if (pendingTutorial == -1 && CPerson::NumPeople() == 0 && CPerson::people.empty() && undone(106)) {
        pendingTutorial = 106;
    }
}

void CControllerGame::FollowSelectedIslander()
{
    if (pickupCandidate) {
        stopFollowing = false;
    }
    CObject* selected = CObject::selectedObject;
    if (!selected || !selected->isPerson) {
        return;
    }
    if (selected != followedObject) {
        stopFollowing = false;
        followedObject = selected;
    }
    if (selected != pickupCandidate && !stopFollowing && island) {
        island->CenterScreen(selected->GetX(), selected->GetY(), false, true, false);
    }
}

bool CControllerGame::OpenRequestedPopUp()
{
    CObject* asking = CObject::requestingFeedback;
    if (!asking || catchUpFrames >= 1 || !hasFocus || settleFrames < kSettleFrames) {
        return false;
    }
    HandOver(false);
    requester = asking;
    shownRequest = CObject::requestingFeedbackData;
    if (shownRequest.crate) {
        crateGUI = new CControllerCrate(shownRequest);
        PassFocus(crateGUI);
        return true;
    }
    popUp = new CControllerPopUp(shownRequest, false, -1);
    PassFocus(popUp);
    return true;
}

void CControllerGame::HandOver(bool longForm)
{
    StopTwinkle();
    CMouseCursor::ShowHourglass(true);
    if (!renderer) {
        return;
    }
    renderer->Render(true);
    if (longForm) {
        const int x = CMouseCursor::GetMouseX(), y = CMouseCursor::GetMouseY();
        renderer->AddSpecialDirty(x - 50, y - 50, x + 50, y + 50, true);
        CMouseCursor::HideMouse(0, true);
        renderer->Render(true);
    }
    renderer->Swap();
}

void CControllerGame::HandOverAgain()
{
    // The child that came back left the island frozen behind it. Letting go
    // of that first makes this open freeze the island afresh like any other,
    // and the return from the new child finds the island's sprites put
    // aside as every return expects.
    if (renderer && renderer->Swapped()) {
        renderer->Swap();
    }
    HandOver(true);
}

void CControllerGame::OpenPopUp(int stringId, bool noticeOnly, int depth, bool longHandOver)
{
    HandOver(longHandOver);
    feedback_data request{};
    request.id = stringId;
    request.noticeOnly = noticeOnly ? 1 : 0;
    requester = nullptr;
    popUp = new CControllerPopUp(request, noticeOnly, depth);
    PassFocus(popUp);
}

void CControllerGame::StopTwinkle()
{
    // Held dust stays held under a child screen; the frame starts the twinkle
    // again once the child is gone.
    if (sndTwinkle && sndTwinkle->IsPlaying()) {
        sndTwinkle->Stop();
    }
}
