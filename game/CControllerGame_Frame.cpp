// One game frame: input, the guards against a stalled or slow machine, the
// island and its world objects, the autosave, the pop-ups that world objects
// and the game itself ask for, and the catch-up frames after a return.
#include "CControllerGame.h"

#include "CControllerCrate.h"
#include "CControllerPopUp.h"
#include "CDraw.h"
#include "CFlowerIndicator.h"
#include "CGuiFlowers.h"
#include "CMap.h"
#include "CMouseCursor.h"
#include "CObject.h"
#include "CPerson.h"
#include "CProfile.h"
#include "CRenderer.h"
#include "CSidebar.h"
#include "CTreeIndicator.h"

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

constexpr int kVisualEffectsProperty = 7;
constexpr int kGameUnderWayProperty = 31;
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
        if (catchUpFrames == 1 && island) {
            island->HideRain();
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
    if (!hasFocus) {
        return false;
    }

    framesSinceDialog++;
    lastDustPickup++;
    frameCount++;
    if (frameCount % kAutosaveFrames == 0) {
        if (island) {
            island->SaveMap();
        }
        profile->SaveHeader();
    }

    FollowSelectedIslander();
    if (OpenRequestedPopUp()) {
        return false;
    }
    if (frameCount > kFirstGameNoticeFrames && !profile->GetValue<bool>(kGameUnderWayProperty) &&
        !profile->GetValue<bool>(kFirstGameNoticeShownProperty)) {
        profile->SetValue<bool>(kFirstGameNoticeShownProperty, true);
        OpenPopUp(kFirstGameNotice, true, kOwnPopUpDepth, false);
        return false;
    }

    if (eraserMode) {
        SetToolTipMessage(Tip(kEraserTip), 2);
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

    if (catchUpFrames < 1) {
        settleFrames++;
    }
    if (endTutorialRequested) {
        PlayClick();
        endTutorialRequested = false;
        OpenPopUp(kEndTutorialQuestion, false, -1, true);
        popUpPurpose = 1;
        return false;
    }
    RunTutorialScript();
    return true;
}

void CControllerGame::RunTutorialScript() {}

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
